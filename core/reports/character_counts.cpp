// Classifying every character of a text.
#include "core/reports/character_counts.h"

#include "core/text/letters.h"

namespace quorvelle {

CharacterCounts countCharacters(std::string_view text, LetterRule letters)
{
    const Alphabet& alphabet = Alphabet::of(letters);
    // One branch-free pass: a form starts at each letter that follows a non-letter.
    CharacterCounts counts;
    bool previousIsLetter = false;
    for (const char c : text) {
        const bool letter = alphabet.isLetter(c);
        counts.alphabetic += letter;
        counts.numeric += isDigit(c);
        counts.words += letter && !previousIsLetter;
        previousIsLetter = letter;
    }
    counts.total = static_cast<std::int64_t>(text.size());
    counts.special = counts.total - counts.alphabetic - counts.numeric;
    return counts;
}

} // namespace quorvelle
