// quorvelle-cli --explain: how a statistic's figures are computed, after its text.
#pragma once

#include "core/explanations/figure_explanation.h"

#include <ostream>
#include <vector>

namespace quorvelle::cli {

/// The heading of the explanations.
inline constexpr const char* explanationsHeading = "Comment ces nombres sont-ils calculés ?";

/// Writes each figure's explanation as plain sentences, a blank line between two, numbers
/// with the decimal comma as everywhere in the text output.
void writeExplanations(std::ostream& out, const std::vector<FigureExplanation>& explanations);

} // namespace quorvelle::cli
