// Tokenizing a text: one hash probe per occurrence, one sort key per distinct form.
#include "core/text/tokenized_text.h"

#include "core/text/segmentation.h"

namespace quorvelle {

TokenizedText tokenize(std::string_view text, Occurrences occurrences)
{
    TokenizedText tokenized;
    if (occurrences == Occurrences::Kept) {
        // A form takes at least one letter and the separator after it, and its number one unit
        // but for the rarest forms of the largest texts. Reserving that bound touches only the
        // pages the numbers fill, and spares the copies of a growing buffer.
        tokenized.tokens.reserve(text.size() / 2 + 1);
        forEachForm(text, [&tokenized](std::string_view form) {
            tokenized.tokens.push_back(tokenized.forms.addLowerCased(form));
        });
    } else {
        forEachForm(text, [&tokenized](std::string_view form) {
            tokenized.forms.addLowerCased(form);
            ++tokenized.occurrences;
        });
    }
    if (occurrences == Occurrences::Kept)
        tokenized.occurrences = static_cast<std::int64_t>(tokenized.tokens.size());

    tokenized.alphabetical = tokenized.forms.alphabeticalOrder();
    tokenized.rank.resize(tokenized.alphabetical.size());
    for (std::uint32_t position = 0; position < tokenized.alphabetical.size(); ++position)
        tokenized.rank[tokenized.alphabetical[position]] = position;
    return tokenized;
}

} // namespace quorvelle
