// The explanations of the sentences, the enrichment, the lengths, the comparison and the
// richness, step by step on the manual's worked examples, and what each says of a figure the
// text leaves empty.
#include "core/explanations/comparison_explanations.h"
#include "core/explanations/composition_explanations.h"
#include "core/explanations/enrichment_explanations.h"
#include "core/explanations/richness_explanations.h"
#include "core/explanations/sentence_explanations.h"
#include "core/presentation/number_format.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace quorvelle {
namespace {

using Steps = std::vector<std::string>;

const ExplanationNumbers french(',');

// A figure left undefined: shown as shown (empty, or the measures' dash), and why.
bool saysWhy(const FigureExplanation& explanation, const std::string& reason, std::string_view shown = "")
{
    return explanation.shown == shown && explanation.steps.back().find(reason) != std::string::npos;
}

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
    EXPECT_TRUE(mean.inWords.starts_with("Combien de formes compte, en moyenne, une phrase du texte. "));
    EXPECT_EQ(mean.formula, "N / P");
    EXPECT_EQ(mean.steps, (Steps{"N = 5 et P = 3.", "5 / 3 = 1,6666…", "arrondi à deux décimales : 1,67"}));
    EXPECT_EQ(mean.shown, "1,67");
    EXPECT_EQ(explainSentenceCount(totals, french).steps.back(),
              "On compte les lignes du tableau des résultats, une par phrase : P = 3.");
    EXPECT_EQ(explainSentenceTokenCount(totals, french).manualPage, "phrases.html");
    EXPECT_TRUE(saysWhy(explainMeanSentenceLength(sentenceTotals("12"), french), "aucune phrase"));
}

TEST(StatisticsExplanations, TheFormsOfTheEnrichmentBySlices)
{
    // « Le chat voit le chien. » 20 times, then « Le chien voit le loup. » 10 times: 150 forms.
    const EnrichmentReport report =
        enrichmentReport(repeated("Le chat voit le chien. ", 20) + repeated("Le chien voit le loup. ", 10));
    const FigureExplanation forms = explainEnrichmentTokenCount(report, french);
    EXPECT_EQ(forms.steps.back(),
              "Par tranches de 100 formes : 1 tranche pleine et une dernière de 50 formes, 1 × 100 + 50 = 150.");
    EXPECT_EQ(forms.shown, "150");
    EXPECT_EQ(forms.manualPage, "enrichissement.html");
    EXPECT_EQ(explainEnrichmentTokenCount(enrichmentReport("le chat le."), french).steps.back(),
              "Moins de 100 formes : une seule tranche, de 3 formes.");
}

TEST(StatisticsExplanations, TheShareOfEachLength)
{
    // « Un petit chat gris dort sur le petit mur. » : 2 of its 9 forms have 5 characters.
    const LengthReport report = lengthReport("Un petit chat gris dort sur le petit mur.");
    const FigureExplanation share = explainLengthShare(report, report.rows.front(), french);
    EXPECT_EQ(share.figure, "Pourcentage des formes de 5 caractères");
    EXPECT_TRUE(share.inWords.starts_with("La part des formes de 5 caractères parmi toutes les formes du texte, en "
                                          "pourcentage. "));
    EXPECT_EQ(share.formula, "n / N × 100");
    EXPECT_EQ(share.steps,
              (Steps{"n = 2 (les formes de 5 caractères, chaque apparition comptée) et N = 9.",
                     "2 / 9 × 100 = 22,2222…", "arrondi à deux décimales : 22,22"}));
    EXPECT_EQ(share.shown, "22,22");
}

TEST(StatisticsExplanations, TheCountsAndSharesOfTwoTexts)
{
    // « le chat et le chien. » and « le chien, le loup. » share chien and le.
    const VocabularyComparison comparison = vocabularyComparison("le chat et le chien.", "le chien, le loup.");
    const FigureExplanation commonShare = explainCommonShare<2>(comparison, french);
    EXPECT_TRUE(commonShare.inWords.starts_with("La part du vocabulaire du texte n°2 que l'autre texte emploie "
                                                "aussi : "));
    EXPECT_EQ(commonShare.formula, "C / V₂ × 100");
    EXPECT_EQ(commonShare.steps,
              (Steps{"C = 2 et V₂ = 3.", "2 / 3 × 100 = 66,6666…", "arrondi à deux décimales : 66,67"}));
    EXPECT_EQ(commonShare.shown, "66,67");
    EXPECT_EQ(explainProperCount<2>(comparison, french).steps, (Steps{"V₂ = 3 et C = 2.", "3 − 2 = 1"}));
    EXPECT_EQ(explainProperTokens<1>(comparison, french).steps.back(), "5 − 3 = 2");
    const FigureExplanation properTokenShare = explainProperTokenShare<1>(comparison, french);
    EXPECT_EQ(properTokenShare.formula, "(N₁ − A₁) / N₁ × 100");
    EXPECT_EQ(properTokenShare.steps.front(), "N₁ − A₁ = 2 et N₁ = 5.");
    EXPECT_EQ(properTokenShare.shown, "40");
    EXPECT_EQ(explainComparedDistinctCount<1>(comparison, french).shown, "4");
    EXPECT_EQ(explainCommonTokens<1>(vocabularyComparison("le chat", "le chien"), french).steps.back(),
              "On additionne les attestations dans le texte n°1 des formes communes (C = 1 forme) : A₁ = 1.");

    // One common form among 32 falls on a half: 3,125 goes to the even 3,12.
    const FigureExplanation half = explainCommonShare<1>(vocabularyComparison(differentForms(32), "a"), french);
    EXPECT_EQ(half.steps.back(), "arrondi à deux décimales (le nombre tombe au milieu : vers le chiffre pair) : 3,12");

    EXPECT_TRUE(saysWhy(explainCommonShare<2>(vocabularyComparison("le chat", "123"), french),
                        "Le texte n°2 n'a aucune forme (V₂ = 0)"));
}

TEST(StatisticsExplanations, TheRichnessMeasures)
{
    // « Le chat et le chien » : N = 5, V = 4, V1 = 3, Σ i² V(i) = 3 × 1² + 1 × 2² = 7.
    const RichnessReport report = richnessReport("Le chat et le chien");
    const FigureExplanation yule = explainYuleK(report, french);
    EXPECT_EQ(yule.formula, "10⁴ × (Σ i² V(i) − N) / N²");
    EXPECT_EQ(yule.steps.at(1), "10⁴ × (7 − 5) / 5² = 10⁴ × 2 / 25 = 800");
    EXPECT_EQ(yule.shown, "800");
    const FigureExplanation simpson = explainSimpsonD(report, french);
    EXPECT_TRUE(simpson.inWords.starts_with("La probabilité que deux formes tirées au hasard dans le texte soient la "
                                            "même forme : "));
    EXPECT_EQ(simpson.steps.at(2), "2 / (5 × 4) = 2 / 20 = 0,1");
    const FigureExplanation honore = explainHonoreR(report, french);
    EXPECT_EQ(honore.steps,
              (Steps{"N = 5, V = 4 et V1 = 3.", "ln 5 = 1,60943…", "1 − 3 / 4 = 0,25",
                     "100 × 1,60943… / 0,25 = 643,775…", "arrondi à quatre chiffres significatifs : 643,8"}));
    EXPECT_EQ(honore.shown, "643,8");
    EXPECT_EQ(explainGuiraud(report, french).steps.at(2), "4 / 2,23606… = 1,78885…");

    // a and b alternating over 100 forms: one window of 2 different forms, and a factor every
    // three forms in either direction.
    const RichnessReport alternating = richnessReport(repeated("a b ", 50));
    EXPECT_EQ(explainMattr(alternating, french).steps,
              (Steps{"N = 100.", "100 − 100 + 1 = 1 suite de 100 formes, la dernière des formes 1 à 100.",
                     "La somme de leurs nombres de formes différentes V : 2.",
                     "2 / 1 = 2 formes différentes par suite, en moyenne", "2 / 100 = 0,02",
                     "arrondi à quatre chiffres significatifs : 0,02000, écrit sans ses zéros inutiles : 0,02"}));
    const FigureExplanation mtld = explainMtld(alternating, french);
    EXPECT_EQ(mtld.steps.at(3), "(3,03030… + 3,03030…) / 2 = 3,03030…");
    EXPECT_EQ(mtld.shown, "3,03");

    // What the text leaves undefined is shown as a dash, and says why.
    EXPECT_TRUE(saysWhy(explainHerdan(richnessReport("chat"), french), "ln N = 0", undefinedMeasure));
    EXPECT_TRUE(saysWhy(explainHonoreR(richnessReport("le chat"), french), "V1 = V = 2", undefinedMeasure));
    EXPECT_TRUE(saysWhy(explainMattr(report, french), "moins de 100 formes (N = 5)", undefinedMeasure));
    EXPECT_TRUE(
        saysWhy(explainMtld(richnessReport(differentForms(100)), french), "ne tombe jamais à 0,72", undefinedMeasure));
    EXPECT_TRUE(saysWhy(explainTtr(richnessReport("12"), french), "aucune forme (N = 0)", undefinedMeasure));
}

} // namespace
} // namespace quorvelle
