// The lemmas' figures explained.
#include "core/explanations/lemma_explanations.h"

#include "core/explanations/share_steps.h"
#include "core/text/encoding.h"

#include <optional>
#include <string>

namespace quorvelle {

FigureExplanation explainCategoryShare(const LemmaReport& report, const CategoryRow& row,
                                       const ExplanationNumbers& numbers)
{
    const std::string category = cp1252ToUtf8(categoryName(row.category));
    FigureExplanation explanation{
        "Part des mots lus comme " + category,
        "La part des mots du texte que Quorvelle lit comme « " + category
            + " », en pourcentage. On divise leur nombre par le nombre de mots lus, on multiplie par 100 et "
              "l'on arrondit à deux décimales.",
        "n / N × 100",
        {"n = " + numbers.count(row.count) + " (les occurrences lues comme " + category
         + ") et N = " + numbers.count(report.wordCount)
         + " (les mots lus : les formes du texte, aujourd'hui et quelqu'un comptés pour un mot)."},
        {},
        "lemmes.html"};
    explainShare(explanation, row.count, report.wordCount,
                 report.wordCount > 0 ? std::optional(row.share) : std::nullopt,
                 "Le texte n'a aucun mot : la part n'est pas définie.", numbers);
    return explanation;
}

} // namespace quorvelle
