// The explanations of the richness of the vocabulary: the counts N, V and V1, and each measure
// down to its value at four significant digits. A measure's explanation leaves its name and
// formula to the measure's figure, which states them once.
#pragma once

#include "core/explanations/figure_explanation.h"
#include "core/reports/richness_report.h"

namespace quorvelle {

FigureExplanation explainRichnessTokenCount(const RichnessReport& report, const ExplanationNumbers& numbers);
FigureExplanation explainRichnessDistinctCount(const RichnessReport& report, const ExplanationNumbers& numbers);
FigureExplanation explainHapaxCount(const RichnessReport& report, const ExplanationNumbers& numbers);

FigureExplanation explainTtr(const RichnessReport& report, const ExplanationNumbers& numbers);
FigureExplanation explainGuiraud(const RichnessReport& report, const ExplanationNumbers& numbers);
FigureExplanation explainHerdan(const RichnessReport& report, const ExplanationNumbers& numbers);
FigureExplanation explainYuleK(const RichnessReport& report, const ExplanationNumbers& numbers);
FigureExplanation explainSimpsonD(const RichnessReport& report, const ExplanationNumbers& numbers);
FigureExplanation explainHonoreR(const RichnessReport& report, const ExplanationNumbers& numbers);
FigureExplanation explainHapaxPerForm(const RichnessReport& report, const ExplanationNumbers& numbers);
FigureExplanation explainHapaxPerToken(const RichnessReport& report, const ExplanationNumbers& numbers);
/// From the sum of the V of the windows of 100 forms and their number.
FigureExplanation explainMattr(const RichnessReport& report, const ExplanationNumbers& numbers);
/// From the factors counted in either direction.
FigureExplanation explainMtld(const RichnessReport& report, const ExplanationNumbers& numbers);

} // namespace quorvelle
