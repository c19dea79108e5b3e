// The letter test and lower-casing at every range boundary.
#include "core/letters.h"

#include <gtest/gtest.h>

namespace quorvelle {
namespace {

struct ByteCase {
    unsigned code;
    bool letter;
    unsigned lower;
};

class LetterBoundaries : public testing::TestWithParam<ByteCase> {};

TEST_P(LetterBoundaries, ClassifiesAndLowerCases)
{
    const ByteCase& byteCase = GetParam();
    const char c = static_cast<char>(byteCase.code);
    EXPECT_EQ(isLetter(c), byteCase.letter) << std::hex << byteCase.code;
    EXPECT_EQ(static_cast<unsigned char>(toLower(c)), byteCase.lower) << std::hex << byteCase.code;
}

INSTANTIATE_TEST_SUITE_P(CodePage1252, LetterBoundaries, testing::Values(
    ByteCase{0x40, false, 0x40}, // @
    ByteCase{0x41, true, 0x61},  // A
    ByteCase{0x5A, true, 0x7A},  // Z
    ByteCase{0x5B, false, 0x5B}, // [
    ByteCase{0x60, false, 0x60}, // `
    ByteCase{0x61, true, 0x61},  // a
    ByteCase{0x7A, true, 0x7A},  // z
    ByteCase{0x7B, false, 0x7B}, // {
    ByteCase{0x8C, false, 0x8C}, // Œ separates forms
    ByteCase{0x9C, false, 0x9C}, // œ
    ByteCase{0x9F, false, 0x9F}, // Ÿ
    ByteCase{0xAA, false, 0xAA}, // ª
    ByteCase{0xB5, false, 0xB5}, // µ
    ByteCase{0xBF, false, 0xBF}, // ¿
    ByteCase{0xC0, true, 0xE0},  // À
    ByteCase{0xC9, true, 0xE9},  // É
    ByteCase{0xD6, true, 0xF6},  // Ö
    ByteCase{0xD7, false, 0xD7}, // ×
    ByteCase{0xD8, true, 0xF8},  // Ø
    ByteCase{0xDE, true, 0xFE},  // Þ
    ByteCase{0xDF, true, 0xDF},  // ß has no capital here
    ByteCase{0xE0, true, 0xE0},  // à
    ByteCase{0xF6, true, 0xF6},  // ö
    ByteCase{0xF7, false, 0xF7}, // ÷
    ByteCase{0xF8, true, 0xF8},  // ø
    ByteCase{0xFF, true, 0xFF},  // ÿ
    ByteCase{0x30, false, 0x30}, // 0
    ByteCase{0x27, false, 0x27}, // apostrophe
    ByteCase{0x2D, false, 0x2D}  // hyphen
));

TEST(Letters, ExactlyTheFiveRangesAreLetters)
{
    int letters = 0;
    for (unsigned code = 0; code < 256; ++code)
        letters += isLetter(static_cast<char>(code)) ? 1 : 0;
    EXPECT_EQ(letters, 26 + 26 + 23 + 31 + 8);
}

TEST(Letters, DigitsAreOnlyZeroToNine)
{
    for (unsigned code = 0; code < 256; ++code)
        EXPECT_EQ(isDigit(static_cast<char>(code)), code >= 0x30 && code <= 0x39) << code;
}

TEST(Letters, LowerCasedKeepsNonLettersAndLengths)
{
    EXPECT_EQ(lowerCased("\xC9T\xC9 l'\x8C" "uf"), "\xE9t\xE9 l'\x8C" "uf");
    EXPECT_EQ(lowerCased(""), "");
}

} // namespace
} // namespace quorvelle
