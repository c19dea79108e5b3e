// The explanations of the vocabulary's totals and of the deviations of the frequencies.
#pragma once

#include "core/explanations/figure_explanation.h"

#include <cstdint>
#include <optional>

namespace quorvelle {

/// N, the number of forms of the text, every occurrence counted.
FigureExplanation explainTokenCount(std::int64_t tokenCount, const ExplanationNumbers& numbers);
/// V, the number of different forms.
FigureExplanation explainDistinctCount(std::int64_t distinctCount, const ExplanationNumbers& numbers);
/// N / V rounded to one decimal: mean, as the report computed it (none without forms).
FigureExplanation explainMeanFrequency(std::int64_t tokenCount, std::int64_t distinctCount, std::optional<double> mean,
                                       const ExplanationNumbers& numbers);
/// The deviation of the row of frequency f: f − the rounded mean frequency.
FigureExplanation explainDeviation(std::int64_t frequency, double deviation, std::optional<double> meanFrequency,
                                   const ExplanationNumbers& numbers);

} // namespace quorvelle
