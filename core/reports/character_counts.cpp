// Classifying every character of a text.
#include "core/reports/character_counts.h"

#include "core/text/letters.h"
#include "core/text/work_cancellation.h"

namespace quorvelle {

CharacterCounts countCharacters(std::string_view text, LetterRule letters)
{
    const Alphabet& alphabet = Alphabet::of(letters);
    // One branch-free pass: a form starts at each letter that follows a non-letter. Each chunk
    // counts in locals, which stay in registers.
    CharacterCounts counts;
    bool previousIsLetter = false;
    forEachChunkUnlessCancelled(text.size(), [&](std::size_t begin, std::size_t end) {
        std::int64_t alphabetic = 0;
        std::int64_t numeric = 0;
        std::int64_t words = 0;
        bool previous = previousIsLetter;
        for (const char c : text.substr(begin, end - begin)) {
            const bool letter = alphabet.isLetter(c);
            alphabetic += letter;
            numeric += isDigit(c);
            words += letter && !previous;
            previous = letter;
        }
        counts.alphabetic += alphabetic;
        counts.numeric += numeric;
        counts.words += words;
        previousIsLetter = previous;
    });
    counts.total = static_cast<std::int64_t>(text.size());
    counts.special = counts.total - counts.alphabetic - counts.numeric;
    return counts;
}

} // namespace quorvelle
