// A share written out step by step: part / whole × 100, rounded to two decimals.
#pragma once

#include "core/explanations/figure_explanation.h"

#include <cstdint>
#include <optional>
#include <string>

namespace quorvelle {

/// Ends explanation on share, part / whole × 100 rounded to two decimals as percentage() computes
/// it: the numbers put in, the exact quotient, the rounding and the share shown. A share left
/// empty (whole is 0) gets the step whyEmpty instead, and nothing is shown.
void explainShare(FigureExplanation& explanation, std::int64_t part, std::int64_t whole, std::optional<double> share,
                  std::string whyEmpty, const ExplanationNumbers& numbers);

} // namespace quorvelle
