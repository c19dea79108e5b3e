// The core's texts to and from the QString of the widgets: code page 1252 for the loaded
// text and what is computed from it, UTF-8 for the core's French messages.
#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace quorvelle::ui {

/// Each byte as its Unicode character (0x80 is €, 0x92 is ’); every byte round-trips.
QString fromCp1252(std::string_view text);

/// Each character as its code page 1252 byte. A character the code page does not hold, such
/// as one a user types or pastes into a text box, becomes the core's substitute byte 0x1A
/// (one byte per character, a surrogate pair counting as one).
std::string toCp1252(const QString& text);

/// Where text holds its first character that code page 1252 does not (which toCp1252 would
/// write as the substitute byte), or nothing when the code page holds every character.
std::optional<qsizetype> firstOutsideCp1252(const QString& text);

/// A French text of the core, written in UTF-8.
inline QString utf8Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace quorvelle::ui
