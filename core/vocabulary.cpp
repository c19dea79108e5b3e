// Counting and grouping the forms of a text.
#include "core/vocabulary.h"

#include "core/form_table.h"
#include "core/segmentation.h"
#include "core/sorted_string_list.h"

#include <algorithm>

namespace quorvelle {

TextVocabulary countVocabulary(std::string_view text)
{
    FormTable table;
    std::string lower;
    std::int64_t tokenCount = 0;
    forEachForm(text, [&](std::string_view form) {
        lower.resize(form.size());
        std::transform(form.begin(), form.end(), lower.begin(), toLower);
        table.add(lower);
        ++tokenCount;
    });

    TextVocabulary vocabulary;
    vocabulary.tokenCount = tokenCount;
    vocabulary.forms.reserve(table.size());
    for (const FormTable::Id id : table.alphabeticalOrder())
        vocabulary.forms.push_back({table.form(id), table.count(id)});
    vocabulary.distinctCount = static_cast<std::int64_t>(vocabulary.forms.size());
    return vocabulary;
}

std::vector<FormCount> groupEqualNeighbours(const SortedStringList& list)
{
    std::vector<FormCount> groups;
    const std::size_t count = list.count();
    if (count == 0)
        return groups;
    std::int64_t run = 1;
    for (std::size_t index = 1; index <= count; ++index) {
        if (list.at(index) != list.at(index - 1)) {
            groups.push_back({list.at(index - 1), run});
            run = 1;
        } else {
            ++run;
        }
    }
    return groups;
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
