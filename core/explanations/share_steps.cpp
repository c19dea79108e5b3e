// The steps of a percentage.
#include "core/explanations/share_steps.h"

namespace quorvelle {
namespace {

constexpr int shareDecimals = 2;

} // namespace

void explainShare(FigureExplanation& explanation, std::int64_t part, std::int64_t whole, std::optional<double> share,
                  std::string whyEmpty, const ExplanationNumbers& numbers)
{
    if (!share || whole == 0) {
        explanation.steps.push_back(std::move(whyEmpty));
        return;
    }
    // In the order of percentage(), so that an exact half is the one it rounded.
    const double exact = static_cast<double>(part) / static_cast<double>(whole) * 100;
    explanation.steps.push_back(numbers.count(part) + " / " + numbers.count(whole)
                                + " × 100 = " + numbers.exact(exact));
    explanation.steps.push_back(numbers.roundingStep(exact, shareDecimals));
    explanation.shown = numbers.shown(*share);
}

} // namespace quorvelle
