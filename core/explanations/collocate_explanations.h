// The explanations of the co-occurring forms: the pivot's attestations, the places around it
// and each form's score.
#pragma once

#include "core/explanations/figure_explanation.h"
#include "core/reports/collocate_report.h"

namespace quorvelle {

/// a: the pivot's occurrences in the text.
FigureExplanation explainPivotAttestations(const CollocateReport& report, const ExplanationNumbers& numbers);

/// t: the places the spans cover, each once, against the 2 × k × a they would cover apart.
FigureExplanation explainSpanForms(const CollocateReport& report, const ExplanationNumbers& numbers);

/// The specificity of the form in the spans around the pivot, from its c and F and the
/// report's t and N, rounded to two decimals.
FigureExplanation explainCollocateScore(const CollocateReport& report, const Collocate& collocate,
                                        const ExplanationNumbers& numbers);

} // namespace quorvelle
