// Character classes and lower-casing over code page 1252, the byte encoding of every text.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace quorvelle {

namespace detail {

constexpr bool isLetterCode(unsigned code)
{
    return (code >= 0x41 && code <= 0x5A) || (code >= 0x61 && code <= 0x7A) || (code >= 0xC0 && code <= 0xD6)
        || (code >= 0xD8 && code <= 0xF6) || (code >= 0xF8 && code <= 0xFF);
}

constexpr unsigned char lowerCode(unsigned code)
{
    if ((code >= 0x41 && code <= 0x5A) || (code >= 0xC0 && code <= 0xDE && code != 0xD7))
        return static_cast<unsigned char>(code + 0x20);
    return static_cast<unsigned char>(code);
}

template <typename T, typename F>
constexpr std::array<T, 256> makeByteTable(F f)
{
    std::array<T, 256> table{};
    for (unsigned code = 0; code < 256; ++code)
        table[code] = f(code);
    return table;
}

inline constexpr auto letterTable = makeByteTable<bool>(isLetterCode);
inline constexpr auto lowerTable = makeByteTable<unsigned char>(lowerCode);

} // namespace detail

/// True for the letters of code page 1252: A-Z, a-z, 0xC0-0xD6, 0xD8-0xF6 and 0xF8-0xFF.
/// Everything else (digits, punctuation, apostrophes, hyphens, 0x80-0xBF, × and ÷)
/// separates forms, whatever the user's locale.
constexpr bool isLetter(char c)
{
    return detail::letterTable[static_cast<unsigned char>(c)];
}

/// True for the digits 0 to 9.
constexpr bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

/// Lower-cases A-Z, 0xC0-0xD6 and 0xD8-0xDE; every other character is returned unchanged
/// (ß at 0xDF and ÿ at 0xFF have no upper-case partner in these ranges).
constexpr char toLower(char c)
{
    return static_cast<char>(detail::lowerTable[static_cast<unsigned char>(c)]);
}

/// text with every character lower-cased as toLower does.
inline std::string lowerCased(std::string_view text)
{
    std::string lower(text.size(), '\0');
    for (std::size_t index = 0; index < text.size(); ++index)
        lower[index] = toLower(text[index]);
    return lower;
}

} // namespace quorvelle
