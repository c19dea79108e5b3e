// quorvelle-cli --explain: how a statistic's totals are computed, after its text.
#pragma once

#include "core/catalogue/explained_figures.h"

#include <array>
#include <cstddef>
#include <ostream>

namespace quorvelle::cli {

/// The heading of the explanations.
inline constexpr const char* explanationsHeading = "Comment ces nombres sont-ils calculés ?";

/// Writes each total's explanation as plain sentences, a blank line between two, numbers
/// with the decimal comma as everywhere in the text output.
template <class Report, std::size_t Count>
void writeExplanations(std::ostream& out, const std::array<TotalFigure<Report>, Count>& totals, const Report& report)
{
    const ExplanationNumbers numbers(',');
    out << '\n' << explanationsHeading << '\n';
    for (const TotalFigure<Report>& total : totals)
        out << '\n' << explanationText(total.explain(report, numbers));
}

} // namespace quorvelle::cli
