// The specificities' explanations on the manual's worked example, « mer » and « ciel »: the urn
// and its tail, Dunning's two terms, the log ratio, the frequencies per 10 000; and what an
// empty text or a vanishing probability leaves of them.
#include "core/explanations/keyness_explanations.h"
#include "tests/core/explanation_facts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvelle {
namespace {

using test::computes;
using test::leavesEmpty;
using test::writes;

const ExplanationNumbers french(',');

// « mer le » five times then « mer » five times, and the same with « ciel »: N1 = N2 = 15,
// « mer » 10 / 0, « le » 5 / 5, « ciel » 0 / 10, in that order of specificity.
SpecificityReport seaAndSky()
{
    return specificityReport(
        tokenize("mer le mer le mer le mer le mer le mer mer mer mer mer", Occurrences::Counted),
        tokenize("ciel le ciel le ciel le ciel le ciel le ciel ciel ciel ciel ciel", Occurrences::Counted));
}

TEST(KeynessExplanations, TheSpecificityIsReadInTheTailOfTheUrn)
{
    const SpecificityReport report = seaAndSky();
    // « mer » : f1 = 10, f2 = 0, N1 = N2 = 15, E = 10 × 15 / 30 = 5; the upper tail,
    // P(X ≥ 10) = C(15, 10) / C(30, 10) = 3 003 / 30 045 015 = 9,995002…e-5.
    const FigureExplanation sea = explainSpecificity(report, report.forms[0], french);
    // Only text 1 is drawn from the urn; the forms of text 2 stay in it.
    EXPECT_NE(sea.inWords.find("N1 boules"), std::string::npos);
    EXPECT_TRUE(
        writes(sea, {"P(X ≥ 10)", "C(10, k) × C(20, 15 − k) / C(30, 15)", "P(X ≥ 10) = P(X = 10)", "≈ 9,995 × 10⁻⁵"}));
    EXPECT_TRUE(
        computes(sea, {"10", "0", "10", "15", "15", "30", "10", "15", "30", "5", "9,995", "4,0002…", "4"}, "4"));
    EXPECT_EQ(sea.manualPage, "specificites.html");

    // « le », as frequent in both: the upper tail from f1 = E to X = 10, P ≈ 0,65.
    const FigureExplanation common = explainSpecificity(report, report.forms[1], french);
    EXPECT_TRUE(writes(
        common, {"C(10, k) × C(20, 15 − k) / C(30, 15)", "P(X ≥ 5) = P(X = 5) + … + P(X = 10)", "≈ 6,501 × 10⁻¹"}));
    EXPECT_TRUE(computes(common, {"0,1870…", "0,19"}, "0,19"));
    // « ciel », absent from text 1: the lower tail, P(X ≤ 0) = C(20, 15) / C(30, 15), the same.
    const FigureExplanation sky = explainSpecificity(report, report.forms[2], french);
    EXPECT_TRUE(writes(sky, {"f1 = 0 < E", "P(X ≤ 0)", "≈ 9,995 × 10⁻⁵"}));
    EXPECT_TRUE(computes(sky, {"0", "10", "5", "9,995", "-4,0002…", "-4"}, "-4"));

    // Two texts of 2 000 forms, each all of a form the other lacks: P = 1 / C(4 000, 2 000),
    // below the smallest double, is written from S all the same.
    std::string as, bs;
    for (int form = 0; form < 2000; ++form) {
        as += "a ";
        bs += "b ";
    }
    const SpecificityReport apart = specificityReport(tokenize(as, Occurrences::Counted), tokenize(bs));
    EXPECT_TRUE(writes(explainSpecificity(apart, apart.forms[0], french), {"P(X ≥ 2000) ≈ 6,014 × 10⁻¹²⁰³"}));
}

TEST(KeynessExplanations, LogLikelihoodLogRatioAndFrequencies)
{
    const SpecificityReport report = seaAndSky();
    // E1 = E2 = 15 × 10 / 30 = 5; G² = 2 × (10 ln(10 / 5) + 0).
    const FigureExplanation sea = explainLogLikelihood(report, report.forms[0], french);
    EXPECT_TRUE(computes(sea,
                         {"15", "10", "30", "5", "15", "10", "30", "5", "10", "10", "5", "6,9314…", "2", "6,9314…", "0",
                          "13,8629…", "13,86"},
                         "13,86"));
    // « ciel », more frequent in text 2, takes the sign −.
    EXPECT_TRUE(
        computes(explainLogLikelihood(report, report.forms[2], french), {"13,8629…", "-13,8629…", "-13,86"}, "-13,86"));

    // log2((10 / 15) / (0,5 / 15)) = log2 20, the absent form counted 0,5.
    EXPECT_TRUE(computes(
        explainLogRatio(report, report.forms[0], french),
        {"0,5", "10", "15", "0,6666…", "0,5", "15", "0,0333…", "0,6666…", "0,0333…", "20", "20", "4,3219…", "4,32"},
        "4,32"));

    // 10 × 10 000 / 15.
    EXPECT_TRUE(computes(explainFrequencyPer10000(report, report.forms[0], 1, french),
                         {"10", "10", "000", "15", "6666,6666…", "6666,67"}, "6666,67"));
    const FigureExplanation size2 = explainTextSize(2, report.n2, french);
    EXPECT_NE(size2.inWords.find("N1 boules"), std::string::npos);
    EXPECT_TRUE(computes(size2, {}, "15"));
    // The threshold 2, 3 forms of which 1, « ciel », has S ≤ −2.
    const FigureExplanation specific = explainSpecificFormCount(report, 2, french);
    EXPECT_TRUE(writes(specific, {"S ≤ −2"}));
    EXPECT_TRUE(computes(specific, {"2", "3", "-2", "1"}, "1"));
}

TEST(KeynessExplanations, ATextWithoutFormsLeavesItsRatiosEmpty)
{
    const SpecificityReport report = specificityReport(tokenize("mer", Occurrences::Counted), tokenize("123"));
    EXPECT_TRUE(leavesEmpty(explainLogRatio(report, report.forms[0], french), "", {"N2 = 0"}));
    EXPECT_TRUE(leavesEmpty(explainFrequencyPer10000(report, report.forms[0], 2, french), "", {"N2 = 0"}));
}

} // namespace
} // namespace quorvelle
