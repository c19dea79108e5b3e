// The spaces French typography ties to their neighbours.
#include "core/presentation/french_typography.h"

namespace quorvelle {
namespace {

constexpr std::string_view openingQuote = "«";
constexpr std::string_view closingQuote = "»";

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Whether the space at position of text is one that French ties to what is before or after it.
bool tiesItsNeighbours(std::string_view text, std::size_t position)
{
    const std::string_view before = text.substr(0, position);
    const std::string_view after = text.substr(position + 1);
    if (before.ends_with(openingQuote) || after.starts_with(closingQuote))
        return true;
    if (after.empty())
        return false;
    if (std::string_view(":;!?%").find(after.front()) != std::string_view::npos)
        return true;
    return !before.empty() && isDigit(before.back()) && isDigit(after.front());
}

} // namespace

std::string withFrenchSpacing(std::string_view text)
{
    std::string spaced;
    spaced.reserve(text.size() + text.size() / 8);
    for (std::size_t position = 0; position < text.size(); ++position) {
        if (text[position] == ' ' && tiesItsNeighbours(text, position))
            spaced += noBreakSpace;
        else
            spaced += text[position];
    }
    return spaced;
}

} // namespace quorvelle
