// The score of a co-occurring form on the manual's worked example: « noir » around « chat »,
// and « la » once the spans cross the sentences.
#include "core/explanations/collocate_explanations.h"
#include "tests/core/explanation_facts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvelle {
namespace {

using test::computes;
using test::writes;

const ExplanationNumbers french(',');

constexpr std::string_view cats = "Le chat noir passe. Le chien dort au soleil devant la porte de la maison. Le chat "
                                  "noir saute. Les oiseaux chantent dans le grand arbre du jardin. Le chat noir "
                                  "guette. Le chien ouvre les yeux, puis se rendort.";

TEST(CollocateExplanations, TheScoreOfTheManualsExample)
{
    // t = 9 of N = 40 drawn, the 3 « noir » among them: E = 3 × 9 / 40 = 0,675,
    // P = C(9, 3) / C(40, 3) = 84 / 9 880.
    const CollocateReport report = collocateReport(cats, "chat");
    const FigureExplanation black = explainCollocateScore(report, report.collocates[0], french);
    // The places around the pivot are drawn from the urn; the other forms stay in it.
    EXPECT_NE(black.inWords.find("t boules"), std::string::npos);
    EXPECT_TRUE(writes(black,
                       {"« noir »", "« chat »", "P(X ≥ 3)", "C(3, k) × C(37, 9 − k) / C(40, 9)", "P(X ≥ 3) = P(X = 3)",
                        "≈ 8,502 × 10⁻³"}));
    EXPECT_TRUE(computes(black, {"3", "3", "9", "40", "3", "9", "40", "0,675", "8,502", "2,0704…", "2,07"}, "2,07"));
    EXPECT_EQ(black.manualPage, "cooccurrents.html");

    // Across sentences, « la » is seen once in t = 26 where E = 2 × 26 / 40 = 1,3: the lower tail.
    const CollocateReport across = collocateReport(cats, "chat", {.withinSentence = false});
    const FigureExplanation la = explainCollocateScore(across, across.collocates[17], french);
    EXPECT_TRUE(writes(la, {"« la »", "P(X ≤ 1) = P(X = 0) + P(X = 1)"}));
    EXPECT_TRUE(computes(la, {"1", "2", "26", "40", "2", "26", "40", "1,3", "-0,2340…", "-0,23"}, "-0,23"));
}

TEST(CollocateExplanations, APivotSeenOnce)
{
    // « chat » once, k = 5 forms each side, its sentence cutting its spans: t = 2 of the
    // 2 × 5 × 1 = 10 places apart.
    const FigureExplanation places = explainSpanForms(collocateReport("Le chat dort.", "chat"), french);
    EXPECT_TRUE(computes(places, {"1", "5", "2", "5", "1", "10", "10", "2", "8", "2"}, "2"));
}

} // namespace
} // namespace quorvelle
