// Counting and grouping the forms of a text.
#include "core/text/vocabulary.h"

#include "core/text/tokenized_text.h"

#include <algorithm>

namespace quorvelle {

TextVocabulary countVocabulary(std::string_view text)
{
    return countVocabulary(tokenize(text, Occurrences::Counted));
}

TextVocabulary countVocabulary(const TokenizedText& text)
{
    TextVocabulary vocabulary;
    vocabulary.tokenCount = text.tokenCount();
    vocabulary.forms.reserve(text.distinctCount());
    for (const FormTable::Id id : text.alphabetical)
        vocabulary.forms.push_back({text.forms.form(id), text.forms.count(id)});
    vocabulary.distinctCount = static_cast<std::int64_t>(vocabulary.forms.size());
    return vocabulary;
}

std::vector<std::int64_t> frequencySpectrum(const std::vector<FormCount>& forms)
{
    std::int64_t largest = 0;
    for (const FormCount& form : forms)
        largest = std::max(largest, form.count);
    std::vector<std::int64_t> spectrum(static_cast<std::size_t>(largest) + 1, 0);
    for (const FormCount& form : forms)
        ++spectrum[static_cast<std::size_t>(form.count)];
    return spectrum;
}

} // namespace quorvelle
