#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace drovan::ui {

// The core holds Windows-1252 bytes; the widgets hold Unicode.
QString toQString(std::string_view windows1252);
// A character Windows-1252 cannot hold becomes '?'.
std::string fromQString(const QString &text);

} // namespace drovan::ui
