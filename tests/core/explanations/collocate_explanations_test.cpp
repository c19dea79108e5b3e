// The score of a co-occurring form on the manual's worked example: « noir » around « chat »,
// and « la » once the spans cross the sentences.
#include "core/explanations/collocate_explanations.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvelle {
namespace {

const ExplanationNumbers french(',');

constexpr std::string_view cats = "Le chat noir passe. Le chien dort au soleil devant la porte de la maison. Le chat "
                                  "noir saute. Les oiseaux chantent dans le grand arbre du jardin. Le chat noir "
                                  "guette. Le chien ouvre les yeux, puis se rendort.";

TEST(CollocateExplanations, TheScoreOfTheManualsExample)
{
    // t = 9 of N = 40 drawn, the 3 « noir » among them: P = C(9, 3) / C(40, 3) = 84 / 9 880.
    const CollocateReport report = collocateReport(cats, "chat");
    const FigureExplanation black = explainCollocateScore(report, report.collocates[0], french);
    EXPECT_TRUE(black.inWords.starts_with("À quel point la forme est attirée par le pivot : "));
    EXPECT_NE(black.inWords.find("On tire au hasard, sans remise, t boules, autant que de places autour du pivot ; "
                                 "les N − t autres restent dans l'urne."),
              std::string::npos);
    EXPECT_EQ(black.steps,
              (std::vector<std::string>{
                  "« noir » : c = 3 (cooccurrences), F = 3 (attestations) ; t = 9 (places autour de "
                  "« chat »), N = 40 (formes du texte).",
                  "E = F × t / N = 3 × 9 / 40 = 0,675",
                  "c = 3 ≥ E : on lit P(X ≥ 3), la probabilité qu'un tirage au hasard donne autant de "
                  "boules de la forme, ou plus.",
                  "P(X = k) = C(F, k) × C(N − F, t − k) / C(N, t) = C(3, k) × C(37, 9 − k) / C(40, 9)",
                  "P(X ≥ 3) = P(X = 3)",
                  "P(X ≥ 3) ≈ 8,502 × 10⁻³",
                  "score = −log10 P(X ≥ 3) = 2,0704…",
                  "arrondi à deux décimales : 2,07",
              }));
    EXPECT_EQ(black.shown, "2,07");
    EXPECT_EQ(black.manualPage, "cooccurrents.html");

    // Across sentences, « la » is seen once in t = 26 where E = 2 × 26 / 40 = 1,3.
    const CollocateReport across = collocateReport(cats, "chat", {.withinSentence = false});
    const FigureExplanation la = explainCollocateScore(across, across.collocates[17], french);
    EXPECT_EQ(la.steps[1], "E = F × t / N = 2 × 26 / 40 = 1,3");
    EXPECT_EQ(la.steps[4], "P(X ≤ 1) = P(X = 0) + P(X = 1)");
    EXPECT_EQ(la.shown, "-0,23");
}

TEST(CollocateExplanations, APivotSeenOnce)
{
    // « chat » once, its sentence cutting its spans: a = 1, t = 2 of the 10 places apart.
    const FigureExplanation places = explainSpanForms(collocateReport("Le chat dort.", "chat"), french);
    EXPECT_EQ(places.steps.front(), "« chat » : a = 1 occurrence, k = 5 formes de chaque côté.");
    EXPECT_EQ(places.steps.back(),
              "Les chevauchements, le début et la fin du texte, les bornes des phrases et les "
              "occurrences du pivot en retirent 10 − 2 = 8 : t = 2.");
}

} // namespace
} // namespace quorvelle
