// The letter and digit tests, and lower-casing at every range boundary.
#include "core/text/letters.h"

#include <gtest/gtest.h>

namespace quorvelle {
namespace {

TEST(Letters, RangesDigitsAndLowerCasing)
{
    const struct {
        unsigned code;
        bool letter;
        unsigned lower;
    } cases[] = {
        {0x40, false, 0x40}, {0x41, true, 0x61},  {0x5A, true, 0x7A},  {0x5B, false, 0x5B}, // @ A Z [
        {0x60, false, 0x60}, {0x61, true, 0x61},  {0x7A, true, 0x7A},  {0x7B, false, 0x7B}, // ` a z {
        {0x8C, false, 0x8C}, {0x9C, false, 0x9C}, {0xBF, false, 0xBF},                      // Œ œ ¿
        {0xC0, true, 0xE0},  {0xC9, true, 0xE9},  {0xD6, true, 0xF6},  {0xD7, false, 0xD7}, // À É Ö ×
        {0xD8, true, 0xF8},  {0xDE, true, 0xFE},  {0xDF, true, 0xDF},  {0xE0, true, 0xE0},  // Ø Þ ß à
        {0xF6, true, 0xF6},  {0xF7, false, 0xF7}, {0xF8, true, 0xF8},  {0xFF, true, 0xFF},  // ö ÷ ø ÿ
    };
    for (const auto& [code, letter, lower] : cases) {
        const char c = static_cast<char>(code);
        EXPECT_EQ(isLetter(c), letter) << std::hex << code;
        EXPECT_EQ(static_cast<unsigned char>(toLower(c)), lower) << std::hex << code;
    }
    // Exactly the five ranges are letters, and 0 to 9 are the digits.
    int letters = 0;
    for (unsigned code = 0; code < 256; ++code) {
        letters += isLetter(static_cast<char>(code)) ? 1 : 0;
        EXPECT_EQ(isDigit(static_cast<char>(code)), code >= 0x30 && code <= 0x39) << code;
    }
    EXPECT_EQ(letters, 26 + 26 + 23 + 31 + 8);
}

} // namespace
} // namespace quorvelle
