// The explanations' arithmetic, step by step, on the manual's worked examples: the numbers
// put in, the exact intermediate results, the rounding and its rule for exact halves.
#include "core/explanations/figure_explanation.h"
#include "core/explanations/vocabulary_explanations.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvelle {
namespace {

const ExplanationNumbers french(',');

TEST(ExplanationNumbers, ExactUpToFourDecimalsElseCutWithAnEllipsis)
{
    EXPECT_EQ(french.exact(2.25), "2,25");
    EXPECT_EQ(french.exact(13.0 / 6), "2,1666…");
    EXPECT_EQ(french.exact(829.0 / 394), "2,1040…"); // its zero kept
    EXPECT_EQ(french.exact(-28.9), "-28,9");
    EXPECT_EQ(french.exact(153805.61234567), "153805,6123…"); // large values keep their ellipsis
    EXPECT_EQ(ExplanationNumbers('.').exact(1.0 / 3), "0.3333…");
    EXPECT_EQ(french.roundingStep(13.0 / 6, 1), "arrondi à une décimale : 2,2");
    EXPECT_EQ(french.roundingStep(2.25, 1),
              "arrondi à une décimale (le nombre tombe au milieu : vers le chiffre pair) : 2,2");
    EXPECT_EQ(french.roundingStep(200.0 / 3, 2), "arrondi à deux décimales : 66,67");
}

TEST(VocabularyExplanations, TheMeanAndTheDeviationsOfTheManualsExample)
{
    // « Le chat voit le chien. Le chien voit le loup. Le loup fuit. » : 13 forms, 6 different.
    const FigureExplanation mean = explainMeanFrequency(13, 6, 2.2, french);
    EXPECT_EQ(mean.formula, "N / V");
    EXPECT_EQ(mean.steps,
              (std::vector<std::string>{"N = 13 et V = 6.", "13 / 6 = 2,1666…", "arrondi à une décimale : 2,2"}));
    EXPECT_EQ(mean.shown, "2,2");
    EXPECT_EQ(mean.manualPage, "vocabulaire.html");

    // The row of the forms attested 5 times, and that of the hapaxes: from the rounded mean.
    EXPECT_EQ(explainDeviation(5, 5 - 2.2, 2.2, french).steps.back(), "5 − 2,2 = 2,8");
    const FigureExplanation hapaxes = explainDeviation(1, 1 - 2.2, 2.2, french);
    EXPECT_EQ(hapaxes.steps.back(), "1 − 2,2 = -1,2");
    EXPECT_EQ(hapaxes.shown, "-1,2");

    // A text without forms has neither mean nor deviation, and says why.
    const FigureExplanation none = explainMeanFrequency(0, 0, std::nullopt, french);
    EXPECT_EQ(none.shown, "");
    EXPECT_NE(none.steps.back().find("on ne divise pas par 0"), std::string::npos);
}

} // namespace
} // namespace quorvelle
