// Tokenizing a text: one hash probe per occurrence, one sort key per distinct form.
#include "core/tokenized_text.h"

#include "core/segmentation.h"

#include <algorithm>
#include <string>

namespace quorvelle {

TokenizedText tokenize(std::string_view text)
{
    TokenizedText tokenized;
    // A form takes at least one letter and the separator after it. Reserving that bound
    // touches only the pages the forms fill, and spares the copies of a growing vector.
    tokenized.tokens.reserve(text.size() / 2 + 1);
    std::string lower;
    forEachForm(text, [&](std::string_view form) {
        lower.resize(form.size());
        std::transform(form.begin(), form.end(), lower.begin(), toLower);
        tokenized.tokens.push_back(tokenized.forms.add(lower));
    });

    tokenized.alphabetical = tokenized.forms.alphabeticalOrder();
    tokenized.rank.resize(tokenized.alphabetical.size());
    for (std::uint32_t position = 0; position < tokenized.alphabetical.size(); ++position)
        tokenized.rank[tokenized.alphabetical[position]] = position;
    return tokenized;
}

} // namespace quorvelle
