// The letter and digit tests, and lower-casing at every range boundary, under both rules.
#include "core/text/letters.h"

#include <gtest/gtest.h>

namespace quorvelle {
namespace {

struct CodeCase {
    unsigned code;
    bool letter;
    unsigned lower;
};

void expectCodes(LetterRule rule, std::initializer_list<CodeCase> cases)
{
    const Alphabet& alphabet = Alphabet::of(rule);
    EXPECT_EQ(alphabet.rule(), rule);
    for (const auto& [code, letter, lower] : cases) {
        const char c = static_cast<char>(code);
        EXPECT_EQ(alphabet.isLetter(c), letter) << std::hex << code;
        EXPECT_EQ(static_cast<unsigned char>(alphabet.toLower(c)), lower) << std::hex << code;
    }
}

int letterCount(LetterRule rule)
{
    int letters = 0;
    for (unsigned code = 0; code < 256; ++code)
        letters += Alphabet::of(rule).isLetter(static_cast<char>(code)) ? 1 : 0;
    return letters;
}

TEST(Letters, ClassicRangesDigitsAndLowerCasing)
{
    expectCodes(LetterRule::Classic,
                {
                    {0x40, false, 0x40}, {0x41, true, 0x61},  {0x5A, true, 0x7A},  {0x5B, false, 0x5B}, // @ A Z [
                    {0x60, false, 0x60}, {0x61, true, 0x61},  {0x7A, true, 0x7A},  {0x7B, false, 0x7B}, // ` a z {
                    {0x8A, false, 0x8A}, {0x8C, false, 0x8C}, {0x9C, false, 0x9C}, {0x9F, false, 0x9F}, // Š Œ œ Ÿ
                    {0xBF, false, 0xBF}, {0xC0, true, 0xE0},  {0xC9, true, 0xE9},  {0xD6, true, 0xF6},  // ¿ À É Ö
                    {0xD7, false, 0xD7}, {0xD8, true, 0xF8},  {0xDE, true, 0xFE},  {0xDF, true, 0xDF},  // × Ø Þ ß
                    {0xE0, true, 0xE0},  {0xF6, true, 0xF6},  {0xF7, false, 0xF7}, {0xF8, true, 0xF8},  // à ö ÷ ø
                    {0xFF, true, 0xFF},                                                                 // ÿ
                });
    // Exactly the five ranges are letters, and 0 to 9 are the digits.
    EXPECT_EQ(letterCount(LetterRule::Classic), 26 + 26 + 23 + 31 + 8);
    for (unsigned code = 0; code < 256; ++code)
        EXPECT_EQ(isDigit(static_cast<char>(code)), code >= 0x30 && code <= 0x39) << code;
}

TEST(Letters, ExtendedRuleAddsTheLigaturesAndTheirPartners)
{
    expectCodes(LetterRule::Extended,
                {
                    {0x8A, true, 0x9A},
                    {0x8C, true, 0x9C},
                    {0x8E, true, 0x9E},
                    {0x9F, true, 0xFF}, // Š Œ Ž Ÿ
                    {0x9A, true, 0x9A},
                    {0x9C, true, 0x9C},
                    {0x9E, true, 0x9E}, // š œ ž
                    {0x80, false, 0x80},
                    {0x83, false, 0x83},
                    {0x92, false, 0x92},
                    {0x8B, false, 0x8B}, // € ƒ ’ ‹
                    {0xAA, false, 0xAA},
                    {0xB5, false, 0xB5},
                    {0xBA, false, 0xBA},
                    {0xD7, false, 0xD7}, // ª µ º ×
                    {0x41, true, 0x61},
                    {0xC9, true, 0xE9},
                    {0xFF, true, 0xFF}, // A É ÿ
                });
    EXPECT_EQ(letterCount(LetterRule::Extended), letterCount(LetterRule::Classic) + 7);
}

} // namespace
} // namespace quorvelle
