// The explanations of the figures of Zipf's line: a, b and R².
#pragma once

#include "core/explanations/figure_explanation.h"
#include "core/reports/zipf_report.h"

namespace quorvelle {

/// a = ȳ − b × x̄, rounded to four significant digits; none for fewer than two forms.
FigureExplanation explainZipfIntercept(const ZipfReport& report, const ExplanationNumbers& numbers);
/// b = Σ (x − x̄) (y − ȳ) / Σ (x − x̄)², rounded to four significant digits; none for fewer
/// than two forms.
FigureExplanation explainZipfSlope(const ZipfReport& report, const ExplanationNumbers& numbers);
/// R² = 1 − Σ (y − ŷ)² / Σ (y − ȳ)², rounded to four significant digits; none for fewer than
/// two forms or when every form has the same attestations.
FigureExplanation explainZipfDetermination(const ZipfReport& report, const ExplanationNumbers& numbers);

} // namespace quorvelle
