// N, V, their mean and the deviations from it.
#include "core/explanations/vocabulary_explanations.h"

namespace quorvelle {
namespace {

constexpr const char* vocabularyPage = "vocabulaire.html";

} // namespace

FigureExplanation explainTokenCount(std::int64_t tokenCount, const ExplanationNumbers& numbers)
{
    return {"Nombre total de formes",
            "La longueur du texte, comptée en formes. Une forme est une suite de lettres, et chacune compte "
            "autant de fois qu'elle apparaît : « le chat et le chien » en compte cinq.",
            "N",
            {"On compte les formes du texte une à une : N = " + numbers.count(tokenCount) + "."},
            numbers.count(tokenCount),
            vocabularyPage};
}

FigureExplanation explainDistinctCount(std::int64_t distinctCount, const ExplanationNumbers& numbers)
{
    return {"Nombre total de formes différentes",
            "Combien de formes différentes le texte emploie : la taille de son vocabulaire. Chaque forme compte "
            "une seule fois, majuscules et minuscules confondues : « Le chat et le chien » en compte quatre (le, "
            "chat, et, chien).",
            "V",
            {"On compte les lignes de la liste du vocabulaire : V = " + numbers.count(distinctCount) + "."},
            numbers.count(distinctCount),
            vocabularyPage};
}

FigureExplanation explainMeanFrequency(std::int64_t tokenCount, std::int64_t distinctCount, std::optional<double> mean,
                                       const ExplanationNumbers& numbers)
{
    FigureExplanation explanation{
        "Fréquence moyenne d'attestation",
        "Combien de fois, en moyenne, une forme différente apparaît dans le texte. On divise le nombre total de "
        "formes par le nombre de formes différentes, et l'on arrondit à une décimale.",
        "N / V",
        {"N = " + numbers.count(tokenCount) + " et V = " + numbers.count(distinctCount) + "."},
        {},
        vocabularyPage};
    if (!mean || distinctCount == 0) {
        explanation.steps.emplace_back("Le texte n'a aucune forme : on ne divise pas par 0, la moyenne reste vide.");
        return explanation;
    }
    const double quotient = static_cast<double>(tokenCount) / static_cast<double>(distinctCount);
    explanation.steps.push_back(numbers.count(tokenCount) + " / " + numbers.count(distinctCount) + " = "
                                + numbers.exact(quotient));
    explanation.steps.push_back(numbers.roundingStep(quotient, 1));
    explanation.shown = numbers.shown(*mean);
    return explanation;
}

FigureExplanation explainDeviation(std::int64_t frequency, double deviation, std::optional<double> meanFrequency,
                                   const ExplanationNumbers& numbers)
{
    FigureExplanation explanation{
        "Écart à la fréquence moyenne",
        "De combien les formes de la ligne apparaissent plus souvent que la moyenne des formes du texte : "
        "l'écart est positif pour les formes plus fréquentes que la moyenne, négatif pour les plus rares. C'est "
        "leur fréquence d'attestation moins la fréquence moyenne d'attestation, telle qu'elle est affichée "
        "(arrondie à une décimale).",
        "f − N / V",
        {},
        {},
        "frequences.html"};
    if (!meanFrequency) {
        explanation.steps.emplace_back("Le texte n'a aucune forme : il n'y a pas de moyenne, donc pas d'écart.");
        return explanation;
    }
    explanation.steps.push_back("f = " + numbers.count(frequency)
                                + " (la fréquence de la ligne) et N / V = " + numbers.shown(*meanFrequency) + ".");
    explanation.steps.push_back(numbers.count(frequency) + " − " + numbers.shown(*meanFrequency) + " = "
                                + numbers.shown(deviation));
    explanation.shown = numbers.shown(deviation);
    return explanation;
}

} // namespace quorvelle
