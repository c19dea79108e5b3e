// Classifying every character of a text.
#include "core/character_counts.h"

#include "core/letters.h"
#include "core/segmentation.h"

namespace quorvelle {

CharacterCounts countCharacters(std::string_view text)
{
    CharacterCounts counts;
    for (const char c : text) {
        if (isLetter(c))
            ++counts.alphabetic;
        else if (isDigit(c))
            ++counts.numeric;
    }
    counts.total = static_cast<std::int64_t>(text.size());
    counts.special = counts.total - counts.alphabetic - counts.numeric;
    counts.words = countForms(text);
    return counts;
}

} // namespace quorvelle
