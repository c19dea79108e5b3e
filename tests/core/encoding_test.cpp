// Decoding files into code page 1252 and writing it back as UTF-8.
#include "core/encoding.h"

#include "core/test_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvelle {
namespace {

struct DecodingCase {
    const char* name;
    std::string bytes;
    Encoding encoding;
    std::string expected;
};

class Decoding : public testing::TestWithParam<DecodingCase> {};

TEST_P(Decoding, GivesCodePage1252Text)
{
    EXPECT_EQ(decodeText(GetParam().bytes, GetParam().encoding), GetParam().expected);
}

const std::string bom = "\xEF\xBB\xBF";

INSTANTIATE_TEST_SUITE_P(Files, Decoding, testing::Values(
    DecodingCase{"Cp1252StaysAsItIs", "\xC9t\xE9 \x9C" "uf \x92", Encoding::Auto, "\xC9t\xE9 \x9C" "uf \x92"},
    DecodingCase{"AsciiStaysAsItIs", "Le chat.\r\n", Encoding::Auto, "Le chat.\r\n"},
    DecodingCase{"Utf8WithoutMark", "\xC3\x89t\xC3\xA9 c\xC5\x93ur", Encoding::Auto, "\xC9t\xE9 c\x9Cur"},
    DecodingCase{"Utf8WithMark", bom + "\xC3\xA9t\xC3\xA9", Encoding::Auto, "\xE9t\xE9"},
    DecodingCase{"OnlyTheMark", bom, Encoding::Auto, ""},
    DecodingCase{"InvalidUtf8FallsBackToCp1252", "\xC3\xA9t\xE9", Encoding::Auto, "\xC3\xA9t\xE9"},
    DecodingCase{"OverlongIsNotUtf8", "\xC0\xAF\xC3\xA9", Encoding::Auto, "\xC0\xAF\xC3\xA9"},
    DecodingCase{"SurrogateIsNotUtf8", "\xED\xA0\x80\xC3\xA9", Encoding::Auto, "\xED\xA0\x80\xC3\xA9"},
    DecodingCase{"BeyondUnicodeIsNotUtf8", "\xF4\x90\x80\x80\xC3\xA9", Encoding::Auto, "\xF4\x90\x80\x80\xC3\xA9"},
    DecodingCase{"TypographicCharacters", "\xE2\x80\x99\xE2\x80\xA6\xE2\x82\xAC\xC5\x92", Encoding::Auto, "\x92\x85\x80\x8C"},
    DecodingCase{"UndefinedCp1252Controls", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D", Encoding::Auto, "\x81\x8D\x8F\x90\x9D"},
    DecodingCase{"OtherC1ControlIsSubstituted", "\xC2\x80" "a", Encoding::Auto, "\x1A" "a"},
    DecodingCase{"OutsideTheCodePage", "\xE4\xB8\xAD \xF0\x9F\x98\x80 \xC4\x9B", Encoding::Auto, "\x1A \x1A \x1A"},
    DecodingCase{"MarkThenTruncatedSequence", bom + "a\xE2\x82" "b", Encoding::Auto, "a\x1A" "b"},
    DecodingCase{"MarkThenTruncatedAtTheEnd", bom + "a\xE2\x82", Encoding::Auto, "a\x1A"},
    DecodingCase{"MarkThenOverlong", bom + "\xC0\xAF", Encoding::Auto, "\x1A\x1A"},
    DecodingCase{"MarkThenBadSecondByte", bom + "\xF0\x80\x80", Encoding::Auto, "\x1A\x1A\x1A"},
    DecodingCase{"MarkThenSurrogate", bom + "\xED\xA0\x80", Encoding::Auto, "\x1A\x1A\x1A"},
    DecodingCase{"MarkThenLoneContinuation", bom + "\x80\xBF", Encoding::Auto, "\x1A\x1A"},
    DecodingCase{"LaterMarkIsACharacter", bom + "a" + bom, Encoding::Auto, "a\x1A"},
    DecodingCase{"ForcedCp1252KeepsTheMark", bom + "a", Encoding::Cp1252, "\xEF\xBB\xBF" "a"},
    DecodingCase{"ForcedUtf8DropsTheMark", bom + "\xC3\xA9", Encoding::Utf8, "\xE9"},
    DecodingCase{"ForcedUtf8SubstitutesCp1252", "\xE9t\xE9", Encoding::Utf8, "\x1At\x1A"},
    DecodingCase{"ForcedUtf8OnAscii", "abc", Encoding::Utf8, "abc"}
), [](const testing::TestParamInfo<DecodingCase>& info) { return info.param.name; });

TEST(Encoding, StrictUtf8)
{
    EXPECT_TRUE(isStrictUtf8(""));
    EXPECT_TRUE(isStrictUtf8("abc"));
    EXPECT_TRUE(isStrictUtf8("\xEF\xBF\xBD")); // a real U+FFFD
    EXPECT_TRUE(isStrictUtf8("\xF4\x8F\xBF\xBF")); // U+10FFFF
    EXPECT_FALSE(isStrictUtf8("\xE0\x9F\xBF"));    // overlong
    EXPECT_FALSE(isStrictUtf8("\xC3"));            // truncated
    EXPECT_FALSE(isStrictUtf8("\xFF"));
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

TEST(Encoding, WritesUtf8)
{
    EXPECT_EQ(cp1252ToUtf8("\x80\x92\x81\xE9\x1A"), "\xE2\x82\xAC\xE2\x80\x99\xC2\x81\xC3\xA9\x1A");
    EXPECT_EQ(cp1252ToCodePoint('\x9C'), U'\u0153');
    EXPECT_EQ(cp1252ToCodePoint('\xFF'), U'\u00FF');
}

TEST(Encoding, RealTextsReadTheSameInBothEncodings)
{
    EXPECT_EQ(decodeText(test::testDataBytes("corpus/r02_maupassant_une_vie.utf8.txt"), Encoding::Auto),
              test::testDataBytes("corpus/r02_maupassant_une_vie.txt"));
    EXPECT_EQ(decodeText(test::testDataBytes("corpus/r05_france_dieux_ont_soif.utf8.txt"), Encoding::Auto),
              test::testDataBytes("corpus/r05_france_dieux_ont_soif.txt"));
}

} // namespace
} // namespace quorvelle
