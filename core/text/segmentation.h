// Cutting a text into forms: maximal runs of letters, compared in lower case.
#pragma once

#include "core/text/letters.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quorvelle {

/// Calls visit(form) for every form of the text, in text order, as written. A form is a
/// maximal run of the alphabet's letters; a run that reaches the end of the text counts like
/// any other. The views point into the text.
template <typename Visitor>
void forEachForm(std::string_view text, const Alphabet& alphabet, Visitor&& visit)
{
    const char* position = text.data();
    const char* const end = position + text.size();
    while (position != end) {
        while (position != end && !alphabet.isLetter(*position))
            ++position;
        if (position == end)
            return;
        const char* const start = position;
        while (position != end && alphabet.isLetter(*position))
            ++position;
        visit(std::string_view(start, static_cast<std::size_t>(position - start)));
    }
}

/// N, the number of forms of the text (also its word count), without storing them.
std::int64_t countForms(std::string_view text, LetterRule letters = LetterRule::Classic);

} // namespace quorvelle
