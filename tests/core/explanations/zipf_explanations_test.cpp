// The figures of Zipf's line explained on the manual's worked examples: « Le chat voit le
// chien. », whose points the line misses, a refrain that lies on it, forms all attested alike
// and a single form.
#include "core/explanations/zipf_explanations.h"
#include "tests/core/explanation_facts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvelle {
namespace {

using test::computes;
using test::leavesEmpty;
using test::numbersIn;
using Numbers = std::vector<std::string>;

const ExplanationNumbers french(',');

TEST(ZipfExplanations, TheLineOfTheManualsExample)
{
    // (x, y) = (0 ; 0,3010), (0,3010 ; 0), (0,4771 ; 0), (0,6021 ; 0): Σ x = 1,3802, Σ y = 0,3010.
    const ZipfReport report = zipfReport("Le chat voit le chien.");
    const FigureExplanation slope = explainZipfSlope(report, french);
    EXPECT_EQ(slope.formula, "b = Σ (x − x̄) (y − ȳ) / Σ (x − x̄)²");
    EXPECT_TRUE(computes(slope,
                         {"4", "1,38021…", "4", "0,345052…", "0,301029…", "4", "0,0752574…", "-0,103871…", "0,204494…",
                          "-0,103871…", "0,204494…", "-0,507942…", "-0,5079"},
                         "-0,5079"));
    const FigureExplanation intercept = explainZipfIntercept(report, french);
    EXPECT_EQ(intercept.formula, "a = ȳ − b × x̄");
    EXPECT_TRUE(computes(intercept,
                         {"4", "1,38021…", "4", "0,345052…", "0,301029…", "4", "0,0752574…", "-0,507942…", "0,0752574…",
                          "-0,507942…", "0,345052…", "0,250524…", "0,2505"},
                         "0,2505"));
    const FigureExplanation determination = explainZipfDetermination(report, french);
    EXPECT_TRUE(computes(
        determination, {"0,0679642…", "0,0152037…", "1", "0,0152037…", "0,0679642…", "0,776298…", "0,7763"}, "0,7763"));
    EXPECT_EQ(determination.manualPage, "zipf.html");
}

TEST(ZipfExplanations, PointsOnTheLineAlikeOrAlone)
{
    // f = 6 / r: the points lie on the line, which leaves nothing of the spread of y.
    const FigureExplanation onTheLine =
        explainZipfDetermination(zipfReport("La mer bleue, la mer bleue, la mer, la la la !"), french);
    EXPECT_TRUE(computes(onTheLine, {"3", "0,116423…", "0", "1", "0", "0,116423…", "1"}, "1"));

    // Forms attested alike: y does not vary, Σ (y − ȳ)² = 0, and R² would divide by it.
    EXPECT_TRUE(leavesEmpty(explainZipfDetermination(zipfReport("le chat dort"), french), "—", {"Σ (y − ȳ)² = 0"}));
    // A single form, a single point: no line.
    const FigureExplanation alone = explainZipfSlope(zipfReport("seul seul"), french);
    EXPECT_EQ(alone.shown, "—");
    EXPECT_EQ(numbersIn(alone), (Numbers{"1"}));
}

} // namespace
} // namespace quorvelle
