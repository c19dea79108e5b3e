// The explanations of the sentences, the enrichment, the lengths, the comparison and the
// richness, step by step on the manual's worked examples, and what each says of a figure the
// text leaves empty.
#include "core/explanations/comparison_explanations.h"
#include "core/explanations/composition_explanations.h"
#include "core/explanations/enrichment_explanations.h"
#include "core/explanations/richness_explanations.h"
#include "core/explanations/sentence_explanations.h"
#include "tests/core/explanation_facts.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace quorvelle {
namespace {

using test::computes;
using test::leavesEmpty;
using test::numbersIn;
using test::writes;
using Numbers = std::vector<std::string>;

const ExplanationNumbers french(',');
constexpr std::string_view undefinedMeasure = "—"; // how a measure left undefined is shown

std::string repeated(const std::string& sentence, int times)
{
    std::string text;
    for (int time = 0; time < times; ++time)
        text += sentence;
    return text;
}

// count different forms: "a aa aaa …".
std::string differentForms(int count)
{
    std::string text;
    for (int length = 1; length <= count; ++length)
        text += std::string(static_cast<std::size_t>(length), 'a') + " ";
    return text;
}

TEST(StatisticsExplanations, SentencesTheirFormsAndTheirMeanLength)
{
    // « Il pleut. Vient-il ? Oui. » : 3 sentences of 2, 2 and 1 forms.
    const SentenceTotals totals = sentenceTotals("Il pleut. Vient-il ? Oui.");
    const FigureExplanation mean = explainMeanSentenceLength(totals, french);
    EXPECT_EQ(mean.formula, "N / P");
    EXPECT_TRUE(computes(mean, {"5", "3", "5", "3", "1,6666…", "1,67"}, "1,67"));
    EXPECT_TRUE(computes(explainSentenceCount(totals, french), {}, "3"));
    EXPECT_TRUE(writes(explainSentenceTokenCount(totals, french), {"N = 5"}));
    EXPECT_EQ(explainSentenceTokenCount(totals, french).manualPage, "phrases.html");
    EXPECT_TRUE(leavesEmpty(explainMeanSentenceLength(sentenceTotals("12"), french), "", {"N = 0", "P = 0"}));
}

TEST(StatisticsExplanations, TheFormsOfTheEnrichmentBySlices)
{
    // « Le chat voit le chien. » 20 times, then « Le chien voit le loup. » 10 times: 150 forms,
    // one full slice of 100 and a last one of 50.
    const EnrichmentReport report =
        enrichmentReport(repeated("Le chat voit le chien. ", 20) + repeated("Le chien voit le loup. ", 10));
    const FigureExplanation forms = explainEnrichmentTokenCount(report, french);
    EXPECT_TRUE(computes(forms, {"100", "1", "50", "1", "100", "50", "150"}, "150"));
    EXPECT_EQ(forms.manualPage, "enrichissement.html");
    // Fewer than 100 forms: one slice, of 3.
    EXPECT_TRUE(computes(explainEnrichmentTokenCount(enrichmentReport("le chat le."), french), {"100"}, "3"));
}

TEST(StatisticsExplanations, TheShareOfEachLength)
{
    // « Un petit chat gris dort sur le petit mur. » : 2 of its 9 forms have 5 characters.
    const LengthReport report = lengthReport("Un petit chat gris dort sur le petit mur.");
    const FigureExplanation share = explainLengthShare(report, report.rows.front(), french);
    EXPECT_EQ(numbersIn(share.figure), (Numbers{"5"}));
    EXPECT_EQ(share.formula, "n / N × 100");
    EXPECT_TRUE(computes(share, {"2", "5", "9", "2", "9", "100", "22,2222…", "22,22"}, "22,22"));
}

TEST(StatisticsExplanations, TheCountsAndSharesOfTwoTexts)
{
    // « le chat et le chien. » and « le chien, le loup. » share chien and le.
    const VocabularyComparison comparison = vocabularyComparison("le chat et le chien.", "le chien, le loup.");
    const FigureExplanation commonShare = explainCommonShare(comparison, 1, french);
    EXPECT_EQ(commonShare.formula, "C / V₂ × 100");
    EXPECT_TRUE(writes(commonShare, {"C = 2", "V₂ = 3"}));
    EXPECT_TRUE(computes(commonShare, {"2", "3", "2", "3", "100", "66,6666…", "66,67"}, "66,67"));
    EXPECT_TRUE(computes(explainProperCount(comparison, 1, french), {"3", "2", "3", "2", "1"}, "1"));
    EXPECT_TRUE(computes(explainProperTokens(comparison, 0, french), {"5", "3", "5", "3", "2"}, "2"));
    const FigureExplanation properTokenShare = explainProperTokenShare(comparison, 0, french);
    EXPECT_EQ(properTokenShare.formula, "(N₁ − A₁) / N₁ × 100");
    EXPECT_TRUE(computes(properTokenShare, {"2", "5", "2", "5", "100", "40"}, "40"));
    EXPECT_TRUE(computes(explainComparedDistinctCount(comparison, 0, french), {}, "4"));
    EXPECT_TRUE(
        writes(explainCommonTokens(vocabularyComparison("le chat", "le chien"), 0, french), {"C = 1", "A₁ = 1"}));

    // One common form among 32 falls on a half: 3,125 goes to the even 3,12.
    EXPECT_TRUE(computes(explainCommonShare(vocabularyComparison(differentForms(32), "a"), 0, french),
                         {"1", "32", "1", "32", "100", "3,125", "3,12"}, "3,12"));

    EXPECT_TRUE(leavesEmpty(explainCommonShare(vocabularyComparison("le chat", "123"), 1, french), "", {"V₂ = 0"}));
}

TEST(StatisticsExplanations, TheRichnessMeasures)
{
    // « Le chat et le chien » : N = 5, V = 4, V1 = 3, Σ i² V(i) = 3 × 1² + 1 × 2² = 7.
    const RichnessReport report = richnessReport("Le chat et le chien");
    const FigureExplanation yule = explainYuleK(report, french);
    EXPECT_TRUE(computes(yule, {"5", "7", "7", "5", "5", "2", "25", "800"}, "800"));
    // Σ V(i) i (i − 1) = 7 − 5 = 2, over 5 × 4.
    EXPECT_TRUE(computes(explainSimpsonD(report, french), {"7", "5", "2", "2", "5", "4", "0,1"}, "0,1"));
    EXPECT_TRUE(computes(
        explainHonoreR(report, french),
        {"5", "4", "3", "5", "1,60943…", "1", "3", "4", "0,25", "100", "1,60943…", "0,25", "643,775…", "643,8"},
        "643,8"));
    EXPECT_TRUE(computes(explainGuiraud(report, french), {"5", "4", "2,23606…", "4", "2,23606…", "1,78885…"}, "1,789"));

    // a and b alternating over 100 forms: one window of 2 different forms, and a factor every
    // three forms in either direction.
    const RichnessReport alternating = richnessReport(repeated("a b ", 50));
    EXPECT_TRUE(
        computes(explainMattr(alternating, french), {"100", "1", "2", "2", "1", "2", "2", "100", "0,02"}, "0,02"));
    EXPECT_TRUE(computes(
        explainMtld(alternating, french),
        {"100", "33", "100", "33", "3,03030…", "33", "100", "33", "3,03030…", "3,03030…", "3,03030…", "2", "3,03030…"},
        "3,03"));

    // What the text leaves undefined is shown as a dash, and says why.
    EXPECT_TRUE(leavesEmpty(explainHerdan(richnessReport("chat"), french), undefinedMeasure, {"ln N = 0"}));
    EXPECT_TRUE(leavesEmpty(explainHonoreR(richnessReport("le chat"), french), undefinedMeasure,
                            {"V1 = V = 2", "1 − V1 / V = 0"}));
    EXPECT_TRUE(leavesEmpty(explainMattr(report, french), undefinedMeasure, {"100", "N = 5"}));
    EXPECT_TRUE(leavesEmpty(explainMtld(richnessReport(differentForms(100)), french), undefinedMeasure, {"0,72"}));
    EXPECT_TRUE(leavesEmpty(explainTtr(richnessReport("12"), french), undefinedMeasure, {"N = 0"}));
}

} // namespace
} // namespace quorvelle
