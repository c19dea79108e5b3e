// Juilland's D and Gries's DP explained on the manual's worked example, « chat » in « Le chat,
// le chien, le loup, le chat, le lion. »: in 5 equal parts, 4 unequal ones, 100 parts, and for
// an absent form.
#include "core/explanations/dispersion_explanations.h"
#include "core/presentation/number_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvelle {
namespace {

const ExplanationNumbers french(',');

constexpr std::string_view animals = "Le chat, le chien, le loup, le chat, le lion.";

TEST(DispersionExplanations, TheManualsExampleInFiveParts)
{
    const DispersionReport report = dispersionReport(animals, "chat", 5);
    const FigureExplanation d = explainJuillandD(report, french);
    EXPECT_TRUE(d.inWords.starts_with("À quel point la forme est répartie régulièrement dans le texte coupé en P "
                                      "parties : "));
    EXPECT_EQ(d.steps,
              (std::vector<std::string>{
                  "« chat » : f = 2 (attestations), N = 10 (formes du texte), P = 5 (parties).",
                  "Les attestations aᵢ des parties : 1 ; 0 ; 0 ; 1 ; 0.",
                  "m = f / P = 2 / 5 = 0,4",
                  "Σ (aᵢ − m)² = 3 × (0 − 0,4)² + 2 × (1 − 0,4)² = 1,2",
                  "σ = √(Σ (aᵢ − m)² / P) = √(1,2 / 5) = 0,489897…",
                  "CV = σ / m = 0,489897… / 0,4 = 1,22474…",
                  "√(P − 1) = √4 = 2",
                  "D = 1 − CV / √(P − 1) = 1 − 1,22474… / 2 = 0,387627…",
                  "arrondi à quatre chiffres significatifs : 0,3876",
              }));
    EXPECT_EQ(d.shown, "0,3876");
    const FigureExplanation dp = explainGriesDP(report, french);
    EXPECT_EQ(dp.steps[3], "Σ |oᵢ − sᵢ| = 3 × |0 / 2 − 2 / 10| + 2 × |1 / 2 − 2 / 10| = 1,2");
    EXPECT_EQ(dp.steps[4], "DP = ½ × 1,2 = 0,6");
    EXPECT_EQ(dp.shown, "0,6");
    EXPECT_EQ(dp.manualPage, "repartition.html");
}

TEST(DispersionExplanations, UnequalAndManyPartsAndAnAbsentForm)
{
    // Parts of 2, 3, 2 and 3 forms: DP = ½ (0,2 + 0,3 + 0,3 + 0,2).
    const FigureExplanation unequal = explainGriesDP(dispersionReport(animals, "chat", 4), french);
    EXPECT_EQ(unequal.steps[2], "Leurs nombres de formes nᵢ : 2 ; 3 ; 2 ; 3.");
    EXPECT_EQ(unequal.steps[3],
              "Σ |oᵢ − sᵢ| = |0 / 2 − 2 / 10| + |0 / 2 − 3 / 10| + |1 / 2 − 2 / 10| + |1 / 2 − 3 / 10| = 1");
    EXPECT_EQ(unequal.shown, "0,5");

    // 100 parts, 90 of them empty: the counts are left to the grid, not their sum.
    const FigureExplanation many = explainJuillandD(dispersionReport(animals, "chat", 100), french);
    EXPECT_EQ(many.steps[1], "Les attestations aᵢ des 100 parties sont dans la grille.");
    EXPECT_EQ(many.steps[3], "Σ (aᵢ − m)² = 98 × (0 − 0,02)² + 2 × (1 − 0,02)² = 1,96");

    const DispersionReport absent = dispersionReport(animals, "renard", 10);
    for (const FigureExplanation& undefined : {explainJuillandD(absent, french), explainGriesDP(absent, french)}) {
        EXPECT_EQ(undefined.shown, undefinedMeasure);
        EXPECT_NE(undefined.steps.back().find("n'est pas défini (« — »)"), std::string::npos);
    }
}

} // namespace
} // namespace quorvelle
