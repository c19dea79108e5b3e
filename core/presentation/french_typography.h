// French spacing in a text that may be wrapped: the spaces that must not break a line.
#pragma once

#include <string>
#include <string_view>

namespace quorvelle {

/// The no-break space (UTF-8) that French typography puts before : ; ! ? % and », after «,
/// and between the groups of digits of a number such as 10 000.
inline constexpr std::string_view noBreakSpace = "\u00A0";

/// text (UTF-8) with each of those spaces turned into a no-break space, so that a line never
/// starts with a colon or a closing quote, nor splits a number: "« mer » : 10 000" keeps its
/// words together. Every other character is left as it is.
std::string withFrenchSpacing(std::string_view text);

} // namespace quorvelle
