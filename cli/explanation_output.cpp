// The explanations after a statistic's text.
#include "cli/explanation_output.h"

namespace quorvelle::cli {

void writeExplanations(std::ostream& out, const std::vector<FigureExplanation>& explanations)
{
    out << '\n' << explanationsHeading << '\n';
    for (const FigureExplanation& explanation : explanations)
        out << '\n' << explanationText(explanation);
}

} // namespace quorvelle::cli
