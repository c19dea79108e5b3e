// Counting the lemmas as forms are counted.
#include "core/lemmas/lemma_tokens.h"

#include "core/text/work_cancellation.h"

#include <cstddef>
#include <cstdint>

namespace quorvelle {

TokenizedText lemmaTokens(const TokenizedText& tokens, const LemmatizedText& lemmatized)
{
    TokenizedText lemmas;
    lemmas.letters = tokens.letters;
    lemmas.tokens.reserve(lemmatized.occurrenceCount());
    for (std::size_t occurrence = 0; occurrence < lemmatized.occurrenceCount(); ++occurrence) {
        stopIfCancelledEveryChunk(occurrence);
        if (!lemmatized.isJoined(occurrence))
            lemmas.tokens.push_back(lemmas.forms.add(lemmatized.lemmas()[lemmatized.lemmaAt(occurrence)].lemma));
    }
    lemmas.occurrences = static_cast<std::int64_t>(lemmas.tokens.size());
    lemmas.alphabetical = lemmas.forms.alphabeticalOrder();
    lemmas.rank = ranksIn(lemmas.alphabetical);
    return lemmas;
}

TokenizedText lemmaTokens(std::string_view text, const TokenizedText& tokens, const FrenchDictionary& dictionary)
{
    return lemmaTokens(tokens, lemmatize(text, tokens, dictionary));
}

} // namespace quorvelle
