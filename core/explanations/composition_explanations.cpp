// The share of the forms of a length.
#include "core/explanations/composition_explanations.h"

#include "core/explanations/share_steps.h"

namespace quorvelle {

FigureExplanation explainLengthShare(const LengthReport& report, const LengthRow& row,
                                     const ExplanationNumbers& numbers)
{
    const std::string length = numbers.count(row.length) + (row.length == 1 ? " caractère" : " caractères");
    FigureExplanation explanation{
        "Pourcentage des formes de " + length,
        "Le nombre de formes de cette longueur divisé par le nombre total de formes du texte, multiplié par 100 et "
        "arrondi à deux décimales : la part du texte qu'elles représentent.",
        "n / N × 100",
        {"n = " + numbers.count(row.formCount) + " (les formes de " + length
         + ", chaque apparition comptée) et N = " + numbers.count(report.tokenCount) + "."},
        {},
        "longueurs.html"};
    // A row exists only for a length the text has: N is never 0 here.
    explainShare(explanation, row.formCount, report.tokenCount, row.percentage, {}, numbers);
    return explanation;
}

} // namespace quorvelle
