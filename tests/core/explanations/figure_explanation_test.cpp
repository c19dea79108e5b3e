// The explanations' arithmetic, step by step, on the manual's worked examples: the numbers
// put in, the exact intermediate results, the rounding and its rule for exact halves, the zeros a
// rounding to significant digits leaves out; the nouns agreed with their counts, and the text as
// it is written out.
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

TEST(ExplanationNumbers, ARoundingToSignificantDigitsSaysWhichZerosAreNotWritten)
{
    const auto step = [](double value) { return french.significantRoundingStep(value, 4); };
    EXPECT_EQ(step(0.475271), "arrondi à quatre chiffres significatifs : 0,4753");
    // 0,76498 rounds to 0,7650, which the windows show as 0,765: the step ends on what they show.
    EXPECT_EQ(step(0.76498), "arrondi à quatre chiffres significatifs : 0,7650, écrit sans son zéro inutile : 0,765");
    EXPECT_EQ(step(0.02), "arrondi à quatre chiffres significatifs : 0,02000, écrit sans ses zéros inutiles : 0,02");
    EXPECT_EQ(step(799.98), "arrondi à quatre chiffres significatifs : 800,0, écrit sans son zéro inutile : 800");
    EXPECT_EQ(step(9.99996), "arrondi à quatre chiffres significatifs : 10,00, écrit sans ses zéros inutiles : 10");
    EXPECT_EQ(step(-0.50001),
              "arrondi à quatre chiffres significatifs : -0,5000, écrit sans ses zéros inutiles : -0,5");
    EXPECT_EQ(step(153805.6), "arrondi à quatre chiffres significatifs : 153800"); // its zeros are written
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
    EXPECT_TRUE(mean.inWords.starts_with("Combien de fois, en moyenne, une forme différente apparaît dans le "
                                         "texte. "));
    EXPECT_EQ(mean.formula, "N / V");
    EXPECT_EQ(mean.steps,
              (std::vector<std::string>{"N = 13 et V = 6.", "13 / 6 = 2,1666…", "arrondi à une décimale : 2,2"}));
    EXPECT_EQ(mean.shown, "2,2");
    EXPECT_EQ(mean.manualPage, "vocabulaire.html");
    // Written out with French spacing, so that no wrapped line starts with a colon.
    const std::string text = explanationText(mean);
    EXPECT_TRUE(text.starts_with("Fréquence moyenne d'attestation\nCombien de fois"));
    EXPECT_TRUE(text.ends_with("\nFormule\u00A0: N / V\nN = 13 et V = 6.\n13 / 6 = 2,1666…\narrondi à une "
                               "décimale\u00A0: 2,2\nValeur affichée\u00A0: 2,2\n"));

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
