#pragma once

#include <string>
#include <string_view>

namespace drovan {

// Trimming everywhere in the program removes characters of code 32 or below at both ends.
inline bool isTrimmed(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

inline std::string_view trimView(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isTrimmed(text[begin]))
        ++begin;
    while (end > begin && isTrimmed(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

inline std::string trim(std::string_view text) {
    return std::string(trimView(text));
}

// Characters `from` (counted from 1) through `to`, clipped to the text; empty when out of range.
inline std::string_view charsFromTo(std::string_view text, std::size_t from, std::size_t to) {
    if (from == 0 || from > text.size() || to < from)
        return {};
    return text.substr(from - 1, to - from + 1);
}

inline std::string_view leftChars(std::string_view text, std::size_t count) {
    return text.substr(0, count < text.size() ? count : text.size());
}

inline bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

inline bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace drovan
