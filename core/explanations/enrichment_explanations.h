// The explanation of the enrichment's total: N, cut into slices of 100 forms.
#pragma once

#include "core/explanations/figure_explanation.h"
#include "core/reports/enrichment_report.h"

namespace quorvelle {

/// N, the forms of the text, and the slices they make.
FigureExplanation explainEnrichmentTokenCount(const EnrichmentReport& report, const ExplanationNumbers& numbers);

} // namespace quorvelle
