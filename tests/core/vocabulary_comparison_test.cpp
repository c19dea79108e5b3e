// The comparison of two vocabularies: every figure and the three listings.
#include "core/vocabulary_comparison.h"

#include "core/test_texts.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace quorvelle {
namespace {

TEST(VocabularyComparison, EveryFigureOfTwoShortTexts)
{
    const VocabularyComparison expected{
        .text1 = {5, {{"chat", 1}, {"chien", 1}, {"et", 1}, {"le", 2}}, 4},
        .text2 = {4, {{"chien", 1}, {"le", 2}, {"loup", 1}}, 3},
        .commonForms = {{"chien", 1, 1}, {"le", 2, 2}},
        .commonCount = 2, .properCount1 = 2, .properCount2 = 1,
        .commonTokens1 = 3, .commonTokens2 = 3, .properTokens1 = 2, .properTokens2 = 1,
        .commonShare1 = 50, .commonShare2 = 66.67, .properShare1 = 50, .properShare2 = 33.33,
        .commonTokenShare1 = 60, .commonTokenShare2 = 75, .properTokenShare1 = 40, .properTokenShare2 = 25,
        .properForms1 = {{"chat", 1}, {"et", 1}},
        .properForms2 = {{"loup", 1}},
    };
    EXPECT_EQ(vocabularyComparison("le chat et le chien.", "le chien, le loup."), expected);
}

TEST(VocabularyComparison, SplitsTheFormsAndTheirOccurrencesIntoCommonAndProper)
{
    using Tokens = std::array<std::int64_t, 4>; // common and proper occurrences of text 1, then of text 2
    const struct {
        const char* text1; // code page 1252
        const char* text2;
        std::vector<CommonForm> commonForms;
        std::vector<FormCount> properForms1;
        std::vector<FormCount> properForms2;
        Tokens tokens;
    } cases[] = {
        {"le chat", "chat", {{"chat", 1, 1}}, {{"le", 1}}, {}, {1, 1, 1, 0}}, // the last form ends the text
        {"Le a a", "le LE \xE0", {{"le", 1, 2}}, {{"a", 2}}, {{"\xE0", 1}}, {1, 2, 2, 1}},
        {"un deux", "trois quatre", {}, {{"deux", 1}, {"un", 1}}, {{"quatre", 1}, {"trois", 1}}, {0, 2, 0, 2}},
        {"2001", "\xE9t\xE9", {}, {}, {{"\xE9t\xE9", 1}}, {0, 0, 0, 1}},
    };
    for (const auto& [text1, text2, commonForms, properForms1, properForms2, tokens] : cases) {
        const VocabularyComparison c = vocabularyComparison(text1, text2);
        EXPECT_EQ(c.commonForms, commonForms) << text1 << " / " << text2;
        EXPECT_EQ(c.properForms1, properForms1) << text1 << " / " << text2;
        EXPECT_EQ(c.properForms2, properForms2) << text1 << " / " << text2;
        EXPECT_EQ((Tokens{c.commonTokens1, c.properTokens1, c.commonTokens2, c.properTokens2}), tokens) << text1;
    }
}

TEST(VocabularyComparison, IdenticalTextsShareEverything)
{
    const std::string text = test::realText(QUORVELLE_TEST_DATA "/corpus/r03_daudet_petit_chose.txt");
    const VocabularyComparison c = vocabularyComparison(text, text);
    for (const auto& share : {c.commonShare1, c.commonShare2, c.commonTokenShare1, c.commonTokenShare2})
        EXPECT_EQ(share, 100.0);
    for (const auto& share : {c.properShare1, c.properShare2, c.properTokenShare1, c.properTokenShare2})
        EXPECT_EQ(share, 0.0);
    EXPECT_EQ(c.properCount1 + c.properCount2 + c.properTokens1 + c.properTokens2, 0);
    EXPECT_EQ(c.commonCount, c.text1.distinctCount);
}

TEST(VocabularyComparison, SharesRoundHalvesToEvenAndHaveNoValueOverNoForm)
{
    // One form shared among 32 distinct forms: 3.125 %.
    std::string text1;
    for (std::size_t number = 0; number < 32; ++number)
        text1 += test::numberedForm(number) + " ";
    const VocabularyComparison halfway = vocabularyComparison(text1, test::numberedForm(5));
    EXPECT_EQ(halfway.commonShare1, 3.12);
    EXPECT_EQ(halfway.properShare1, 96.88);

    const VocabularyComparison c = vocabularyComparison("2001 !", "le");
    for (const auto& share : {c.commonShare1, c.properShare1, c.commonTokenShare1, c.properTokenShare1})
        EXPECT_FALSE(share.has_value());
}

} // namespace
} // namespace quorvelle
