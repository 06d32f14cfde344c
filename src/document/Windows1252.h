#pragma once

#include <string>
#include <string_view>

namespace drovan::cp1252 {

// Windows-1252 is the charge file's code page. The five bytes it leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) map to the C1 controls of the same value, so every byte survives a round trip.
char32_t toUnicode(unsigned char byte);

// The byte for a code point, or '?' when Windows-1252 cannot hold it.
char fromUnicode(char32_t codePoint);

std::string toUtf8(std::string_view windows1252);

// Invalid UTF-8 sequences and characters outside Windows-1252 become '?'.
std::string fromUtf8(std::string_view utf8);

} // namespace drovan::cp1252
