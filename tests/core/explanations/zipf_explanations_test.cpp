// The figures of Zipf's line explained on the manual's worked examples: « Le chat voit le
// chien. », whose points the line misses, a refrain that lies on it, forms all attested alike
// and a single form.
#include "core/explanations/zipf_explanations.h"
#include "core/presentation/number_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvelle {
namespace {

const ExplanationNumbers french(',');

TEST(ZipfExplanations, TheLineOfTheManualsExample)
{
    // (x, y) = (0 ; 0,3010), (0,3010 ; 0), (0,4771 ; 0), (0,6021 ; 0).
    const ZipfReport report = zipfReport("Le chat voit le chien.");
    const FigureExplanation slope = explainZipfSlope(report, french);
    EXPECT_EQ(slope.steps,
              (std::vector<std::string>{
                  "n = 4 points, un par forme différente : x = log10 r (r son rang) et y = log10 f (f "
                  "ses attestations).",
                  "x̄ = Σ x / n = 1,38021… / 4 = 0,345052…",
                  "ȳ = Σ y / n = 0,301029… / 4 = 0,0752574…",
                  "Σ (x − x̄) (y − ȳ) = -0,103871…",
                  "Σ (x − x̄)² = 0,204494…",
                  "b = -0,103871… / 0,204494… = -0,507942…",
                  "arrondi à quatre chiffres significatifs : -0,5079",
              }));
    EXPECT_EQ(slope.shown, "-0,5079");
    const FigureExplanation intercept = explainZipfIntercept(report, french);
    EXPECT_EQ(intercept.steps[4], "a = ȳ − b × x̄ = 0,0752574… − (-0,507942…) × 0,345052… = 0,250524…");
    EXPECT_EQ(intercept.shown, "0,2505");
    const FigureExplanation determination = explainZipfDetermination(report, french);
    EXPECT_TRUE(determination.inWords.starts_with("À quel point la droite suit les points : "));
    EXPECT_EQ(determination.steps[3], "R² = 1 − 0,0152037… / 0,0679642… = 0,776298…");
    EXPECT_EQ(determination.shown, "0,7763");
    EXPECT_EQ(determination.manualPage, "zipf.html");
}

TEST(ZipfExplanations, PointsOnTheLineAlikeOrAlone)
{
    // f = 6 / r: the points lie on the line, which leaves nothing of the spread of y.
    const FigureExplanation onTheLine =
        explainZipfDetermination(zipfReport("La mer bleue, la mer bleue, la mer, la la la !"), french);
    EXPECT_EQ(onTheLine.steps[2], "Σ (y − ŷ)² = 0, les carrés des écarts verticaux des points à la droite");
    EXPECT_EQ(onTheLine.shown, "1");

    const FigureExplanation alike = explainZipfDetermination(zipfReport("le chat dort"), french);
    EXPECT_NE(alike.steps.back().find("R² n'est pas défini"), std::string::npos);
    EXPECT_EQ(alike.shown, undefinedMeasure);
    const FigureExplanation alone = explainZipfSlope(zipfReport("seul seul"), french);
    EXPECT_EQ(alone.steps,
              (std::vector<std::string>{"Il faut au moins deux points, deux formes différentes, pour "
                                        "ajuster une droite : le texte en a 1. Il n'y a pas de droite."}));
    EXPECT_EQ(alone.shown, undefinedMeasure);
}

} // namespace
} // namespace quorvelle
