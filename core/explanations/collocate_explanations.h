// The explanation of a co-occurring form's score.
#pragma once

#include "core/explanations/figure_explanation.h"
#include "core/reports/collocate_report.h"

namespace quorvelle {

/// The specificity of the form in the spans around the pivot, from its c and F and the
/// report's t and N, rounded to two decimals.
FigureExplanation explainCollocateScore(const CollocateReport& report, const Collocate& collocate,
                                        const ExplanationNumbers& numbers);

} // namespace quorvelle
