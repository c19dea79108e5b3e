// An explanation's numbers, read back from its steps.
#include "tests/core/explanation_facts.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace quorvelle::test {
namespace {

constexpr std::string_view minusSign = "\u2212";
constexpr std::string_view ellipsis = "\u2026";

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Whether wanted is found in found in its order, other entries allowed between.
bool inOrder(const std::vector<std::string>& wanted, const std::vector<std::string>& found)
{
    auto next = found.begin();
    for (const std::string& number : wanted) {
        next = std::find(next, found.end(), number);
        if (next == found.end())
            return false;
        ++next;
    }
    return true;
}

std::string joined(const std::vector<std::string>& parts)
{
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : " | ") + part;
    return text;
}

} // namespace

std::vector<std::string> numbersIn(std::string_view text)
{
    std::vector<std::string> numbers;
    std::size_t at = 0;
    while (at < text.size()) {
        const bool glued = at > 0 && (isAsciiLetter(text[at - 1]) || isDigit(text[at - 1]));
        std::size_t start = at;
        std::string number;
        if (!glued && text[at] == '-' && at + 1 < text.size() && isDigit(text[at + 1])) {
            number = "-";
            start = at + 1;
        } else if (!glued && text.substr(at).starts_with(minusSign) && at + minusSign.size() < text.size()
                   && isDigit(text[at + minusSign.size()])) {
            number = "-";
            start = at + minusSign.size();
        } else if (!isDigit(text[at])) {
            ++at;
            continue;
        }
        std::size_t end = start;
        while (end < text.size()
               && (isDigit(text[end]) || (text[end] == ',' && end + 1 < text.size() && isDigit(text[end + 1]))))
            ++end;
        if (text.substr(end).starts_with(ellipsis))
            end += ellipsis.size();
        if (!glued)
            numbers.push_back(number + std::string(text.substr(start, end - start)));
        at = end;
    }
    return numbers;
}

std::vector<std::string> numbersIn(const FigureExplanation& explanation)
{
    std::vector<std::string> numbers;
    for (const std::string& step : explanation.steps)
        std::ranges::copy(numbersIn(step), std::back_inserter(numbers));
    return numbers;
}

testing::AssertionResult computes(const FigureExplanation& explanation, const std::vector<std::string>& numbers,
                                  std::string_view shown)
{
    const std::vector<std::string> written = numbersIn(explanation);
    const std::vector<std::string> last =
        explanation.steps.empty() ? std::vector<std::string>{} : numbersIn(explanation.steps.back());
    if (!inOrder(numbers, written))
        return testing::AssertionFailure()
            << "wanted, in order: " << joined(numbers) << "\nwritten: " << joined(written)
            << "\nsteps: " << joined(explanation.steps);
    if (last.empty() || last.back() != shown || explanation.shown != shown)
        return testing::AssertionFailure() << "wanted to end on " << shown << ", shows " << explanation.shown
                                           << "\nsteps: " << joined(explanation.steps);
    return testing::AssertionSuccess();
}

testing::AssertionResult writes(const FigureExplanation& explanation, const std::vector<std::string>& facts)
{
    const std::string steps = joined(explanation.steps);
    std::size_t at = 0;
    for (const std::string& fact : facts) {
        at = steps.find(fact, at);
        if (at == std::string::npos)
            return testing::AssertionFailure() << "wanted, in order: " << joined(facts) << "\nsteps: " << steps;
        at += fact.size();
    }
    return testing::AssertionSuccess();
}

testing::AssertionResult leavesEmpty(const FigureExplanation& explanation, std::string_view shown,
                                     const std::vector<std::string>& facts)
{
    if (explanation.shown != shown)
        return testing::AssertionFailure() << "shows " << explanation.shown << " rather than " << shown;
    return writes(explanation, facts);
}

} // namespace quorvelle::test
