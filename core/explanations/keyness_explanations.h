// The explanations of the specificities' figures: the sizes of the two texts, the forms
// specific to each, and each form's frequencies per 10 000, specificity, G² and log ratio.
#pragma once

#include "core/explanations/figure_explanation.h"
#include "core/reports/specificity_report.h"

#include <cstdint>

namespace quorvelle {

/// N1 or N2, the forms of text 1 or 2 (text is 1 or 2).
FigureExplanation explainTextSize(int text, std::int64_t forms, const ExplanationNumbers& numbers);
/// The forms whose specificity reaches the report's threshold towards text 1 (S ≥ s) or 2 (S ≤ −s).
FigureExplanation explainSpecificFormCount(const SpecificityReport& report, int text,
                                           const ExplanationNumbers& numbers);
/// f × 10 000 / N for the form in text 1 or 2, rounded to two decimals; none without forms.
FigureExplanation explainFrequencyPer10000(const SpecificityReport& report, const SpecificForm& form, int text,
                                           const ExplanationNumbers& numbers);
/// Lafon's specificity S, from the hypergeometric tail, rounded to two decimals.
FigureExplanation explainSpecificity(const SpecificityReport& report, const SpecificForm& form,
                                     const ExplanationNumbers& numbers);
/// Dunning's G², from the observed and expected attestations, signed, rounded to two decimals.
FigureExplanation explainLogLikelihood(const SpecificityReport& report, const SpecificForm& form,
                                       const ExplanationNumbers& numbers);
/// Hardie's log ratio, an absence counted 0.5, rounded to two decimals; none when a text has
/// no forms.
FigureExplanation explainLogRatio(const SpecificityReport& report, const SpecificForm& form,
                                  const ExplanationNumbers& numbers);

} // namespace quorvelle
