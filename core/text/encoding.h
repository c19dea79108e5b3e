// Reading a file's bytes as code page 1252 text, and writing that text back as UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace quorvelle {

enum class Encoding {
    Auto,   ///< UTF-8 after a byte-order mark or when strictly valid with a multi-byte sequence
    Cp1252, ///< the bytes as they stand
    Utf8,   ///< UTF-8, invalid sequences substituted, a leading byte-order mark dropped
};

/// The byte that stands for a character code page 1252 cannot hold. It is neither a letter
/// nor a digit nor a sentence terminator.
inline constexpr char substituteCharacter = '\x1A';

/// The Unicode code point of a code page 1252 byte. The five bytes the code page leaves
/// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control code of the same value.
char32_t cp1252ToCodePoint(char byte);

/// How decodeText reads bytes asked to read them as encoding: Auto resolved to Utf8 or
/// Cp1252.
Encoding readEncoding(std::string_view bytes, Encoding encoding);

/// The code page 1252 text of a file's bytes. Text read as UTF-8 becomes one byte per code
/// point, substituteCharacter for code points outside the code page and for each maximal
/// invalid subsequence (the Unicode standard's recommended practice).
std::string decodeText(std::string bytes, Encoding encoding);

/// True when the bytes are well-formed UTF-8: no overlong form, no surrogate, nothing above
/// U+10FFFF, no truncated sequence.
bool isStrictUtf8(std::string_view bytes);

/// Code page 1252 text as UTF-8.
std::string cp1252ToUtf8(std::string_view text);

} // namespace quorvelle
