// The explanations of a form's dispersion: Juilland's D and Gries's DP.
#pragma once

#include "core/explanations/figure_explanation.h"
#include "core/reports/dispersion_report.h"

namespace quorvelle {

/// D = 1 − CV / √(P − 1) from the parts' attestations, rounded to four significant digits;
/// none for an absent form or a single part.
FigureExplanation explainJuillandD(const DispersionReport& report, const ExplanationNumbers& numbers);
/// DP = ½ Σ |oᵢ − sᵢ| from the parts' attestations and sizes, rounded to four significant
/// digits; none for an absent form.
FigureExplanation explainGriesDP(const DispersionReport& report, const ExplanationNumbers& numbers);

} // namespace quorvelle
