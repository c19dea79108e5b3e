// The comparison of two vocabularies: the split into common and proper forms, shares, and the
// three listings (every figure of a worked example: the manual's comparison page).
#include "core/reports/vocabulary_comparison.h"

#include "core/test_texts.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace quorvelle {
namespace {

TEST(VocabularyComparison, SplitsTheFormsAndTheirOccurrencesIntoCommonAndProper)
{
    using Tokens = std::array<std::int64_t, 4>; // common and proper occurrences of text 1, then of text 2
    const struct {                              // code page 1252
        const char *text1, *text2;
        std::vector<CommonForm> commonForms;
        std::vector<FormCount> properForms1, properForms2;
        Tokens tokens;
    } cases[] = {
        {"le chat", "chat", {{"chat", {1, 1}}}, {{"le", 1}}, {}, {1, 1, 1, 0}}, // the last form ends the text
        {"Le a a", "le LE \xE0", {{"le", {1, 2}}}, {{"a", 2}}, {{"\xE0", 1}}, {1, 2, 2, 1}},
        {"un deux", "trois quatre", {}, {{"deux", 1}, {"un", 1}}, {{"quatre", 1}, {"trois", 1}}, {0, 2, 0, 2}},
        {"2001", "\xE9t\xE9", {}, {}, {{"\xE9t\xE9", 1}}, {0, 0, 0, 1}},
    };
    for (const auto& [text1, text2, commonForms, properForms1, properForms2, tokens] : cases) {
        const VocabularyComparison c = vocabularyComparison(text1, text2);
        const auto& [first, second] = c.texts;
        EXPECT_EQ(std::tie(c.commonForms, first.properForms, second.properForms),
                  std::tie(commonForms, properForms1, properForms2))
            << text1 << " / " << text2;
        EXPECT_EQ((Tokens{first.commonTokens, first.properTokens, second.commonTokens, second.properTokens}), tokens)
            << text1;
    }
}

TEST(VocabularyComparison, IdenticalTextsShareEverything)
{
    const std::string text = test::realText(QUORVELLE_TEST_DATA "/corpus/r03_daudet_petit_chose.txt");
    for (const ComparedText& side : vocabularyComparison(text, text).texts) {
        EXPECT_EQ((std::vector{side.commonShare, side.commonTokenShare, side.properShare, side.properTokenShare}),
                  (std::vector<std::optional<double>>{100, 100, 0, 0}));
        EXPECT_EQ(side.properCount + side.properTokens, 0);
    }
}

TEST(VocabularyComparison, AShareHalfwayRoundsToTheEvenNeighbour)
{
    // One form shared among 32 distinct forms: 3.125 %.
    const VocabularyComparison halfway = vocabularyComparison(test::formsText(32, 32), test::numberedForm(5));
    EXPECT_EQ(halfway.texts[0].commonShare, 3.12);
    EXPECT_EQ(halfway.texts[0].properShare, 96.88);
}

} // namespace
} // namespace quorvelle
