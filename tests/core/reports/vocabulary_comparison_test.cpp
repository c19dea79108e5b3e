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
        {"le chat", "chat", {{"chat", 1, 1}}, {{"le", 1}}, {}, {1, 1, 1, 0}}, // the last form ends the text
        {"Le a a", "le LE \xE0", {{"le", 1, 2}}, {{"a", 2}}, {{"\xE0", 1}}, {1, 2, 2, 1}},
        {"un deux", "trois quatre", {}, {{"deux", 1}, {"un", 1}}, {{"quatre", 1}, {"trois", 1}}, {0, 2, 0, 2}},
        {"2001", "\xE9t\xE9", {}, {}, {{"\xE9t\xE9", 1}}, {0, 0, 0, 1}},
    };
    for (const auto& [text1, text2, commonForms, properForms1, properForms2, tokens] : cases) {
        const VocabularyComparison c = vocabularyComparison(text1, text2);
        EXPECT_EQ(std::tie(c.commonForms, c.properForms1, c.properForms2),
                  std::tie(commonForms, properForms1, properForms2))
            << text1 << " / " << text2;
        EXPECT_EQ((Tokens{c.commonTokens1, c.properTokens1, c.commonTokens2, c.properTokens2}), tokens) << text1;
    }
}

TEST(VocabularyComparison, IdenticalTextsShareEverything)
{
    const std::string text = test::realText(QUORVELLE_TEST_DATA "/corpus/r03_daudet_petit_chose.txt");
    const VocabularyComparison c = vocabularyComparison(text, text);
    EXPECT_EQ((std::vector{c.commonShare1, c.commonShare2, c.commonTokenShare1, c.commonTokenShare2, c.properShare1,
                           c.properShare2, c.properTokenShare1, c.properTokenShare2}),
              (std::vector<std::optional<double>>{100, 100, 100, 100, 0, 0, 0, 0}));
    EXPECT_EQ(c.properCount1 + c.properCount2 + c.properTokens1 + c.properTokens2, 0);
}

TEST(VocabularyComparison, AShareHalfwayRoundsToTheEvenNeighbour)
{
    // One form shared among 32 distinct forms: 3.125 %.
    const VocabularyComparison halfway = vocabularyComparison(test::formsText(32, 32), test::numberedForm(5));
    EXPECT_EQ(halfway.commonShare1, 3.12);
    EXPECT_EQ(halfway.properShare1, 96.88);
}

} // namespace
} // namespace quorvelle
