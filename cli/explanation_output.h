// quorvelle-cli --explain: how a statistic's totals are computed, after its text.
#pragma once

#include "core/catalogue/explained_figures.h"

#include <array>
#include <cstddef>
#include <ostream>
#include <vector>

namespace quorvelle::cli {

/// The heading of the explanations.
inline constexpr const char* explanationsHeading = "Comment ces nombres sont-ils calculés ?";

/// Writes each total's explanation as plain sentences, a blank line between two, numbers
/// with the decimal comma as everywhere in the text output.
void writeExplanations(std::ostream& out, const std::vector<FigureExplanation>& explanations);

/// The same for the totals of a report.
template <class Report, std::size_t Count>
void writeExplanations(std::ostream& out, const std::array<TotalFigure<Report>, Count>& totals, const Report& report)
{
    const ExplanationNumbers numbers(',');
    std::vector<FigureExplanation> explanations;
    for (const TotalFigure<Report>& total : totals)
        explanations.push_back(total.explain(report, numbers));
    writeExplanations(out, explanations);
}

} // namespace quorvelle::cli
