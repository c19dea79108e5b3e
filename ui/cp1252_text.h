// Code page 1252 text, in which the core works, to and from the QString of the widgets.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace quorvelle::ui {

/// Each byte as its Unicode character (0x80 is €, 0x92 is ’); every byte round-trips.
QString fromCp1252(std::string_view text);

/// Each character as its code page 1252 byte. A character the code page does not hold, such
/// as one a user types or pastes into a text box, becomes the core's substitute byte 0x1A
/// (one byte per character, a surrogate pair counting as one).
std::string toCp1252(const QString& text);

} // namespace quorvelle::ui
