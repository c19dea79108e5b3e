// Decoding files into code page 1252 and writing it back as UTF-8.
#include "core/text/encoding.h"

#include "core/test_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvelle {
namespace {

TEST(Encoding, DecodesIntoCodePage1252)
{
    const std::string bom = "\xEF\xBB\xBF";
    const struct {
        const char* name;
        std::string bytes;
        Encoding encoding;
        std::string expected;
    } cases[] = {
        {"Cp1252StaysAsItIs",
         "\xC9t\xE9 \x9C"
         "uf \x92",
         Encoding::Auto,
         "\xC9t\xE9 \x9C"
         "uf \x92"},
        {"Utf8WithoutMark", "\xC3\x89t\xC3\xA9 c\xC5\x93ur", Encoding::Auto, "\xC9t\xE9 c\x9Cur"},
        {"Utf8WithMark", bom + "\xC3\xA9t\xC3\xA9", Encoding::Auto, "\xE9t\xE9"},
        {"OnlyTheMark", bom, Encoding::Auto, ""},
        {"InvalidUtf8FallsBackToCp1252", "\xC3\xA9t\xE9", Encoding::Auto, "\xC3\xA9t\xE9"},
        {"OverlongIsNotUtf8", "\xC0\xAF\xC3\xA9", Encoding::Auto, "\xC0\xAF\xC3\xA9"},
        {"SurrogateIsNotUtf8", "\xED\xA0\x80\xC3\xA9", Encoding::Auto, "\xED\xA0\x80\xC3\xA9"},
        {"BeyondUnicodeIsNotUtf8", "\xF4\x90\x80\x80\xC3\xA9", Encoding::Auto, "\xF4\x90\x80\x80\xC3\xA9"},
        {"ThreeByteOverlongIsNotUtf8", "\xE0\x9F\xBF\xC3\xA9", Encoding::Auto, "\xE0\x9F\xBF\xC3\xA9"},
        {"LastCodePointAndARealReplacementAreUtf8", "\xF4\x8F\xBF\xBF\xEF\xBF\xBD", Encoding::Auto, "\x1A\x1A"},
        {"TypographicCharacters", "\xE2\x80\x99\xE2\x80\xA6\xE2\x82\xAC\xC5\x92", Encoding::Auto, "\x92\x85\x80\x8C"},
        {"UndefinedCp1252Controls", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D", Encoding::Auto, "\x81\x8D\x8F\x90\x9D"},
        {"OtherC1ControlIsSubstituted",
         "\xC2\x80"
         "a",
         Encoding::Auto,
         "\x1A"
         "a"},
        {"OutsideTheCodePage", "\xE4\xB8\xAD \xF0\x9F\x98\x80 \xC4\x9B", Encoding::Auto, "\x1A \x1A \x1A"},
        {"MarkThenTruncatedSequence",
         bom
             + "a\xE2\x82"
               "b",
         Encoding::Auto,
         "a\x1A"
         "b"},
        {"MarkThenTruncatedAtTheEnd", bom + "a\xE2\x82", Encoding::Auto, "a\x1A"},
        {"MarkThenOverlong", bom + "\xC0\xAF", Encoding::Auto, "\x1A\x1A"},
        {"MarkThenBadSecondByte", bom + "\xF0\x80\x80", Encoding::Auto, "\x1A\x1A\x1A"},
        {"MarkThenSurrogate", bom + "\xED\xA0\x80", Encoding::Auto, "\x1A\x1A\x1A"},
        {"MarkThenLoneContinuation", bom + "\x80\xBF", Encoding::Auto, "\x1A\x1A"},
        {"LaterMarkIsACharacter", bom + "a" + bom, Encoding::Auto, "a\x1A"},
        {"ForcedCp1252KeepsTheMark", bom + "a", Encoding::Cp1252,
         "\xEF\xBB\xBF"
         "a"},
        {"ForcedUtf8DropsTheMark", bom + "\xC3\xA9", Encoding::Utf8, "\xE9"},
    };
    for (const auto& [name, bytes, encoding, expected] : cases)
        EXPECT_EQ(decodeText(bytes, encoding), expected) << name;
}

// What the program proposes to save an opened text in: the encoding it was read in.
TEST(Encoding, TellsHowAutoReadsTheBytes)
{
    EXPECT_EQ(readEncoding("\xC3\xA9t\xC3\xA9", Encoding::Auto), Encoding::Utf8);
    EXPECT_EQ(readEncoding("\xE9t\xE9", Encoding::Auto), Encoding::Cp1252);
    EXPECT_EQ(readEncoding("\xC3\xA9t\xC3\xA9", Encoding::Cp1252), Encoding::Cp1252);
}

TEST(Encoding, EveryCp1252ByteSurvivesTheRoundTrip)
{
    std::string all;
    for (int code = 0; code < 256; ++code)
        all.push_back(static_cast<char>(code));
    const std::string utf8 = cp1252ToUtf8(all);
    EXPECT_TRUE(isStrictUtf8(utf8));
    EXPECT_EQ(decodeText(utf8, Encoding::Utf8), all);
}

TEST(Encoding, RealTextsReadTheSameInBothEncodings)
{
    for (const std::string name : {"r02_maupassant_une_vie", "r05_france_dieux_ont_soif"}) // with and without a mark
        EXPECT_EQ(test::realText(QUORVELLE_TEST_DATA "/corpus/" + name + ".utf8.txt"),
                  test::realText(QUORVELLE_TEST_DATA "/corpus/" + name + ".txt"))
            << name;
}

} // namespace
} // namespace quorvelle
