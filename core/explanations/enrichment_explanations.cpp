// N as the enrichment slices it.
#include "core/explanations/enrichment_explanations.h"

#include "core/explanations/vocabulary_explanations.h"

namespace quorvelle {

FigureExplanation explainEnrichmentTokenCount(const EnrichmentReport& report, const ExplanationNumbers& numbers)
{
    FigureExplanation explanation = explainTokenCount(report.tokenCount, numbers);
    explanation.manualPage = "enrichissement.html";
    const std::int64_t fullSlices = report.tokenCount / enrichmentSliceSize;
    const std::int64_t rest = report.tokenCount % enrichmentSliceSize;
    const std::string size = numbers.count(enrichmentSliceSize);
    const std::string full = numbers.counted(fullSlices, "tranche pleine", "tranches pleines");
    const std::string last = numbers.counted(rest, "forme", "formes");
    if (report.tokenCount == 0)
        explanation.steps.emplace_back("Sans forme, le texte n'a aucune tranche.");
    else if (fullSlices == 0)
        explanation.steps.push_back("Moins de " + size + " formes : une seule tranche, de " + last + ".");
    else if (rest == 0)
        explanation.steps.push_back("Par tranches de " + size + " formes : " + full + ", " + numbers.count(fullSlices)
                                    + " × " + size + " = " + numbers.count(report.tokenCount) + ".");
    else
        explanation.steps.push_back("Par tranches de " + size + " formes : " + full + " et une dernière de " + last
                                    + ", " + numbers.count(fullSlices) + " × " + size + " + " + numbers.count(rest)
                                    + " = " + numbers.count(report.tokenCount) + ".");
    return explanation;
}

} // namespace quorvelle
