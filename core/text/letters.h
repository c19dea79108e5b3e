// Character classes and lower-casing over code page 1252, the byte encoding of every text,
// under either of the two rules that say which characters are letters.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace quorvelle {

/// Which characters of code page 1252 are letters.
enum class LetterRule : unsigned char {
    /// A-Z, a-z, 0xC0-0xD6, 0xD8-0xF6 and 0xF8-0xFF. Every code from 0x80 to 0xBF separates
    /// forms, the ligatures among them: "cœur" gives "c" and "ur". The program's default,
    /// on which its figures have always rested.
    Classic,
    /// The same letters, and Š, Œ, Ž, š, œ, ž and Ÿ (0x8A, 0x8C, 0x8E, 0x9A, 0x9C, 0x9E,
    /// 0x9F): "cœur" is one form, as a French reader sees it.
    Extended,
};

namespace detail {

constexpr bool isExtraLetterCode(unsigned code)
{
    return code == 0x8A || code == 0x8C || code == 0x8E || code == 0x9A || code == 0x9C || code == 0x9E || code == 0x9F;
}

constexpr bool isLetterCode(unsigned code, LetterRule rule)
{
    return (code >= 0x41 && code <= 0x5A) || (code >= 0x61 && code <= 0x7A) || (code >= 0xC0 && code <= 0xD6)
        || (code >= 0xD8 && code <= 0xF6) || (code >= 0xF8 && code <= 0xFF)
        || (rule == LetterRule::Extended && isExtraLetterCode(code));
}

constexpr unsigned char lowerCode(unsigned code, LetterRule rule)
{
    if ((code >= 0x41 && code <= 0x5A) || (code >= 0xC0 && code <= 0xDE && code != 0xD7))
        return static_cast<unsigned char>(code + 0x20);
    if (rule == LetterRule::Extended) {
        if (code == 0x8A || code == 0x8C || code == 0x8E) // Š Œ Ž
            return static_cast<unsigned char>(code + 0x10);
        if (code == 0x9F) // Ÿ
            return 0xFF;
    }
    return static_cast<unsigned char>(code);
}

} // namespace detail

/// The letters of one rule and their lower-casing, as two tables indexed by byte: the test
/// costs one load, as it is made once for every character of every text.
class Alphabet {
public:
    /// The alphabet of a rule, made at compile time.
    static constexpr const Alphabet& of(LetterRule rule);

    constexpr LetterRule rule() const { return rule_; }

    /// True for the letters of the rule (see LetterRule); everything else (digits,
    /// punctuation, apostrophes, hyphens, × and ÷) separates forms, whatever the locale.
    constexpr bool isLetter(char c) const { return letters_[static_cast<unsigned char>(c)]; }

    /// Lower-cases A-Z, 0xC0-0xD6 and 0xD8-0xDE, and under the extended rule Š, Œ, Ž and Ÿ;
    /// every other character is returned unchanged (ß and ÿ have no partner to map to).
    constexpr char toLower(char c) const { return static_cast<char>(lower_[static_cast<unsigned char>(c)]); }

    /// text with every character lower-cased as toLower does.
    std::string lowerCased(std::string_view text) const
    {
        std::string lower(text.size(), '\0');
        for (std::size_t index = 0; index < text.size(); ++index)
            lower[index] = toLower(text[index]);
        return lower;
    }

    explicit constexpr Alphabet(LetterRule rule)
        : rule_(rule)
    {
        for (unsigned code = 0; code < 256; ++code) {
            letters_[code] = detail::isLetterCode(code, rule);
            lower_[code] = detail::lowerCode(code, rule);
        }
    }

private:
    LetterRule rule_;
    std::array<bool, 256> letters_{};
    std::array<unsigned char, 256> lower_{};
};

namespace detail {
inline constexpr Alphabet classicAlphabet(LetterRule::Classic);
inline constexpr Alphabet extendedAlphabet(LetterRule::Extended);
} // namespace detail

constexpr const Alphabet& Alphabet::of(LetterRule rule)
{
    return rule == LetterRule::Extended ? detail::extendedAlphabet : detail::classicAlphabet;
}

/// True for the digits 0 to 9.
constexpr bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace quorvelle
