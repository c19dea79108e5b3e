// The explanations of the computed figures of the composition of forms: the share of each length.
#pragma once

#include "core/explanations/figure_explanation.h"
#include "core/reports/length_report.h"

namespace quorvelle {

/// The "%" of a row of the lengths: n / N × 100 to two decimals.
FigureExplanation explainLengthShare(const LengthReport& report, const LengthRow& row,
                                     const ExplanationNumbers& numbers);

} // namespace quorvelle
