// The share of the forms of a length.
#include "core/explanations/composition_explanations.h"

#include "core/explanations/share_steps.h"

namespace quorvelle {

FigureExplanation explainLengthShare(const LengthReport& report, const LengthRow& row,
                                     const ExplanationNumbers& numbers)
{
    const std::string length = numbers.counted(row.length, "caractère", "caractères");
    FigureExplanation explanation{
        "Pourcentage des formes de " + length,
        "La part des formes de " + length
            + " parmi toutes les formes du texte, en pourcentage. On divise leur nombre par le nombre total de "
              "formes, on multiplie par 100 et l'on arrondit à deux décimales.",
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
