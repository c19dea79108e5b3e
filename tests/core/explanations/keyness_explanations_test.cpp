// The specificities' explanations on the manual's worked example, « mer » and « ciel »: the urn
// and its tail, Dunning's two terms, the log ratio, the frequencies per 10 000; and what an
// empty text or a vanishing probability leaves of them.
#include "core/explanations/keyness_explanations.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvelle {
namespace {

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
    // P(X ≥ 10) = C(15, 10) / C(30, 10) = 3 003 / 30 045 015 = 9,995002…e-5.
    const FigureExplanation sea = explainSpecificity(report, report.forms[0], french);
    EXPECT_TRUE(sea.inWords.starts_with("À quel point le texte n°1 emploie la forme plus, ou moins, que le hasard "
                                        "ne le voudrait : "));
    // Only text 1 is drawn from the urn; the forms of text 2 stay in it.
    EXPECT_NE(sea.inWords.find("On tire au hasard, sans remise, N1 boules, autant que le texte n°1 a de formes ; "
                               "les N2 autres restent dans l'urne."),
              std::string::npos);
    EXPECT_EQ(sea.steps,
              (std::vector<std::string>{
                  "« mer » : f1 = 10, f2 = 0, F = f1 + f2 = 10 ; N1 = 15, N2 = 15, T = N1 + N2 = 30.",
                  "E = F × N1 / T = 10 × 15 / 30 = 5",
                  "f1 = 10 ≥ E : on lit P(X ≥ 10), la probabilité qu'un tirage au hasard donne autant de "
                  "boules de la forme, ou plus.",
                  "P(X = k) = C(F, k) × C(T − F, N1 − k) / C(T, N1) = C(10, k) × C(20, 15 − k) / C(30, 15)",
                  "P(X ≥ 10) = P(X = 10)",
                  "P(X ≥ 10) ≈ 9,995 × 10⁻⁵",
                  "S = −log10 P(X ≥ 10) = 4,0002…",
                  "arrondi à deux décimales : 4",
              }));
    EXPECT_EQ(sea.shown, "4");
    EXPECT_EQ(sea.manualPage, "specificites.html");

    // « le », as frequent in both: the upper tail from f1 = E to X = 10, P ≈ 0,65.
    const FigureExplanation common = explainSpecificity(report, report.forms[1], french);
    EXPECT_EQ(common.steps[4], "P(X ≥ 5) = P(X = 5) + … + P(X = 10)");
    EXPECT_EQ(common.shown, "0,19");
    // « ciel », absent from text 1: the lower tail, P(X ≤ 0) = C(20, 15) / C(30, 15), the same.
    const FigureExplanation sky = explainSpecificity(report, report.forms[2], french);
    EXPECT_EQ(sky.steps[2],
              "f1 = 0 < E : on lit P(X ≤ 0), la probabilité qu'un tirage au hasard donne autant de "
              "boules de la forme, ou moins.");
    EXPECT_EQ(sky.steps[6], "S = log10 P(X ≤ 0) = -4,0002…");
    EXPECT_EQ(sky.shown, "-4");

    // Two texts of 2 000 forms, each all of a form the other lacks: P = 1 / C(4 000, 2 000),
    // below the smallest double, is written from S all the same.
    std::string as, bs;
    for (int form = 0; form < 2000; ++form) {
        as += "a ";
        bs += "b ";
    }
    const SpecificityReport apart = specificityReport(tokenize(as, Occurrences::Counted), tokenize(bs));
    EXPECT_EQ(explainSpecificity(apart, apart.forms[0], french).steps[5], "P(X ≥ 2000) ≈ 6,014 × 10⁻¹²⁰³");
}

TEST(KeynessExplanations, LogLikelihoodLogRatioAndFrequencies)
{
    const SpecificityReport report = seaAndSky();
    const FigureExplanation sea = explainLogLikelihood(report, report.forms[0], french);
    EXPECT_EQ(std::vector<std::string>(sea.steps.begin() + 1, sea.steps.end()),
              (std::vector<std::string>{
                  "E1 = N1 × F / T = 15 × 10 / 30 = 5",
                  "E2 = N2 × F / T = 15 × 10 / 30 = 5",
                  "f1 ln(f1 / E1) = 10 × ln(10 / 5) = 6,9314…",
                  "f2 = 0 : f2 ln(f2 / E2) compte 0.",
                  "2 × (6,9314… + 0) = 13,8629…",
                  "f1 / N1 > f2 / N2 : la forme est plus fréquente dans le texte n°1, G² est positif.",
                  "arrondi à deux décimales : 13,86",
              }));
    const FigureExplanation sky = explainLogLikelihood(report, report.forms[2], french);
    EXPECT_EQ(sky.steps[6],
              "f1 / N1 < f2 / N2 : la forme est plus fréquente dans le texte n°2, G² prend le signe − : "
              "-13,8629…");
    EXPECT_EQ(sky.shown, "-13,86");

    // log2((10 / 15) / (0,5 / 15)) = log2 20.
    const FigureExplanation ratio = explainLogRatio(report, report.forms[0], french);
    EXPECT_EQ(
        std::vector<std::string>(ratio.steps.begin() + 1, ratio.steps.end()),
        (std::vector<std::string>{"f2 = 0 : l'absence compte 0,5.", "f1 / N1 = 10 / 15 = 0,6666…",
                                  "f2 / N2 = 0,5 / 15 = 0,0333…", "(f1 / N1) / (f2 / N2) = 0,6666… / 0,0333… = 20",
                                  "log2 20 = 4,3219…", "arrondi à deux décimales : 4,32"}));
    EXPECT_EQ(ratio.shown, "4,32");

    const FigureExplanation frequency = explainFrequencyPer10000(report, report.forms[0], 1, french);
    EXPECT_EQ(frequency.steps[1], "10 × 10 000 / 15 = 6666,6666…");
    EXPECT_EQ(frequency.shown, "6666,67");
    const FigureExplanation size2 = explainTextSize(2, report.n2, french);
    EXPECT_TRUE(size2.inWords.starts_with("La longueur du texte n°2, comptée en formes : "));
    EXPECT_NE(size2.inWords.find("on tire N1 boules : les N2 autres, autant que le texte n°2 a de formes, restent "
                                 "dans l'urne."),
              std::string::npos);
    EXPECT_EQ(size2.shown, "15");
    const FigureExplanation specific = explainSpecificFormCount(report, 2, french);
    EXPECT_EQ(specific.steps.back(), "Les deux textes ont 3 formes différentes ; on compte celles dont S ≤ −2 : 1.");
    EXPECT_EQ(specific.shown, "1");
}

TEST(KeynessExplanations, ATextWithoutFormsLeavesItsRatiosEmpty)
{
    const SpecificityReport report = specificityReport(tokenize("mer", Occurrences::Counted), tokenize("123"));
    const FigureExplanation ratio = explainLogRatio(report, report.forms[0], french);
    EXPECT_EQ(ratio.steps.back(),
              "Le texte n°2 n'a aucune forme : on ne divise pas par N2 = 0, le log ratio reste vide.");
    EXPECT_EQ(ratio.shown, "");
    EXPECT_EQ(explainFrequencyPer10000(report, report.forms[0], 2, french).shown, "");
}

} // namespace
} // namespace quorvelle
