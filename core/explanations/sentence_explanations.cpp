// The number of sentences, of their forms, and the mean length of a sentence.
#include "core/explanations/sentence_explanations.h"

#include "core/explanations/vocabulary_explanations.h"

namespace quorvelle {
namespace {

constexpr const char* sentencesPage = "phrases.html";

} // namespace

FigureExplanation explainSentenceCount(const SentenceTotals& totals, const ExplanationNumbers& numbers)
{
    return {"Nombre total de phrases",
            "Combien de phrases compte le texte. Un point, un point d'interrogation ou un point d'exclamation "
            "termine une phrase ; des mots après le dernier en forment une de plus.",
            "P",
            {"On compte les lignes du tableau des résultats, une par phrase : P = "
             + numbers.count(totals.sentenceCount) + "."},
            numbers.count(totals.sentenceCount),
            sentencesPage};
}

FigureExplanation explainSentenceTokenCount(const SentenceTotals& totals, const ExplanationNumbers& numbers)
{
    FigureExplanation explanation = explainTokenCount(totals.tokenCount, numbers);
    explanation.steps.emplace_back("Chaque forme appartient à une phrase : N est aussi la somme des formes de chaque "
                                   "phrase, la colonne « Nombre de formes ».");
    explanation.manualPage = sentencesPage;
    return explanation;
}

FigureExplanation explainMeanSentenceLength(const SentenceTotals& totals, const ExplanationNumbers& numbers)
{
    FigureExplanation explanation{
        "Moyenne de formes par phrase",
        "Combien de formes compte, en moyenne, une phrase du texte. On divise le nombre total de formes par le "
        "nombre de phrases, et l'on arrondit à deux décimales.",
        "N / P",
        {"N = " + numbers.count(totals.tokenCount) + " et P = " + numbers.count(totals.sentenceCount) + "."},
        {},
        sentencesPage};
    if (!totals.meanLength || totals.sentenceCount == 0) {
        explanation.steps.emplace_back("Le texte n'a aucune phrase : on ne divise pas par 0, la moyenne reste vide.");
        return explanation;
    }
    const double quotient = static_cast<double>(totals.tokenCount) / static_cast<double>(totals.sentenceCount);
    explanation.steps.push_back(numbers.count(totals.tokenCount) + " / " + numbers.count(totals.sentenceCount) + " = "
                                + numbers.exact(quotient));
    explanation.steps.push_back(numbers.roundingStep(quotient, meanSentenceLengthDecimals));
    explanation.shown = numbers.shown(*totals.meanLength);
    return explanation;
}

} // namespace quorvelle
