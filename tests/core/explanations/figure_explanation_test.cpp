// The explanations' arithmetic, step by step, on the manual's worked examples: the numbers
// put in, the exact intermediate results, the rounding and its rule for exact halves, the zeros a
// rounding to significant digits leaves out; the nouns agreed with their counts, and the text as
// it is written out.
#include "core/explanations/figure_explanation.h"
#include "core/explanations/vocabulary_explanations.h"
#include "tests/core/explanation_facts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace quorvelle {
namespace {

using test::computes;
using test::leavesEmpty;
using test::numbersIn;
using Numbers = std::vector<std::string>;

const ExplanationNumbers french(',');

TEST(ExplanationNumbers, ExactUpToFourDecimalsElseCutWithAnEllipsis)
{
    EXPECT_EQ(french.exact(2.25), "2,25");
    EXPECT_EQ(french.exact(13.0 / 6), "2,1666…");
    EXPECT_EQ(french.exact(829.0 / 394), "2,1040…"); // its zero kept
    EXPECT_EQ(french.exact(-28.9), "-28,9");
    EXPECT_EQ(french.exact(153805.61234567), "153805,6123…"); // large values keep their ellipsis
    EXPECT_EQ(ExplanationNumbers('.').exact(1.0 / 3), "0.3333…");
    EXPECT_EQ(numbersIn(french.roundingStep(13.0 / 6, 1)), (Numbers{"2,2"}));
    EXPECT_EQ(numbersIn(french.roundingStep(200.0 / 3, 2)), (Numbers{"66,67"}));
    // An exact half goes to the even neighbour, and the step says which rule it followed.
    const std::string half = french.roundingStep(2.25, 1);
    EXPECT_EQ(numbersIn(half), (Numbers{"2,2"}));
    EXPECT_NE(half, french.roundingStep(2.2, 1));
}

TEST(ExplanationNumbers, ARoundingToSignificantDigitsSaysWhichZerosAreNotWritten)
{
    // The digits the rounding gives, then, when its last ones are zeros, the number as the
    // figure is written without them.
    const auto step = [](double value) { return numbersIn(french.significantRoundingStep(value, 4)); };
    EXPECT_EQ(step(0.475271), (Numbers{"0,4753"}));
    EXPECT_EQ(step(0.76498), (Numbers{"0,7650", "0,765"}));
    EXPECT_EQ(step(0.02), (Numbers{"0,02000", "0,02"}));
    EXPECT_EQ(step(799.98), (Numbers{"800,0", "800"}));
    EXPECT_EQ(step(9.99996), (Numbers{"10,00", "10"}));
    EXPECT_EQ(step(-0.50001), (Numbers{"-0,5000", "-0,5"}));
    EXPECT_EQ(step(153805.6), (Numbers{"153800"})); // its zeros are written
}

TEST(ExplanationNumbers, NounsAgreeWithTheirCounts)
{
    EXPECT_EQ(ExplanationNumbers::counted(1, "forme", "formes"), "1 forme");
    EXPECT_EQ(ExplanationNumbers::counted(31, "forme", "formes"), "31 formes");
    EXPECT_EQ(ExplanationNumbers::counted(0, "place", "places"), "0 place");
    EXPECT_EQ(agreedNoun(1.5, "segment", "segments"), "segment");
    EXPECT_EQ(agreedNoun(33.03, "segment", "segments"), "segments");
}

TEST(VocabularyExplanations, TheMeanAndTheDeviationsOfTheManualsExample)
{
    // « Le chat voit le chien. Le chien voit le loup. Le loup fuit. » : 13 forms, 6 different.
    const FigureExplanation mean = explainMeanFrequency(13, 6, 2.2, french);
    EXPECT_EQ(mean.formula, "N / V");
    EXPECT_TRUE(computes(mean, {"13", "6", "13", "6", "2,1666…", "2,2"}, "2,2"));
    EXPECT_EQ(mean.manualPage, "vocabulaire.html");
    // Written out one part a line, the figure first and the value last, with French spacing, so
    // that no wrapped line starts with a colon.
    const std::string text = explanationText(mean);
    EXPECT_TRUE(text.starts_with(mean.figure + "\n"));
    EXPECT_EQ(std::ranges::count(text, '\n'), 4 + std::ssize(mean.steps));
    const std::size_t formula = text.find("\u00A0: N / V\n");
    EXPECT_LT(formula, text.find("\n13 / 6 = 2,1666…\n"));
    EXPECT_TRUE(text.ends_with("\u00A0: 2,2\n"));
    EXPECT_EQ(text.find(" :"), std::string::npos);

    // The row of the forms attested 5 times, and that of the hapaxes: from the rounded mean.
    EXPECT_TRUE(computes(explainDeviation(5, 5 - 2.2, 2.2, french), {"5", "2,2", "5", "2,2", "2,8"}, "2,8"));
    EXPECT_TRUE(computes(explainDeviation(1, 1 - 2.2, 2.2, french), {"1", "2,2", "1", "2,2", "-1,2"}, "-1,2"));

    // A text without forms has no mean, and says why.
    EXPECT_TRUE(leavesEmpty(explainMeanFrequency(0, 0, std::nullopt, french), "", {"N = 0", "V = 0"}));
}

} // namespace
} // namespace quorvelle
