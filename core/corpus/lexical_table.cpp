// Grouping the parts of a corpus and counting their forms.
#include "core/corpus/lexical_table.h"

#include "core/text/segmentation.h"

#include <algorithm>

namespace quorvelle {

std::vector<PartGroup> partition(const Corpus& corpus, std::optional<std::string_view> variable)
{
    std::vector<PartGroup> groups;
    PartGroup withoutValue{std::string(withoutValueGroupName), {}};
    for (std::size_t place = 0; place < corpus.parts.size(); ++place) {
        const CorpusPart& part = corpus.parts[place];
        if (!variable) {
            groups.push_back({part.name, {place}});
            continue;
        }
        const std::string* modality = part.modalityOf(*variable);
        if (!modality) {
            withoutValue.parts.push_back(place);
            continue;
        }
        const auto group = std::ranges::find(groups, *modality, &PartGroup::name);
        if (group == groups.end())
            groups.push_back({*modality, {place}});
        else
            group->parts.push_back(place);
    }
    if (!withoutValue.parts.empty())
        groups.push_back(std::move(withoutValue));
    return groups;
}

std::string groupText(const Corpus& corpus, const PartGroup& group)
{
    std::string text;
    for (const std::size_t place : group.parts) {
        if (!text.empty() && text.back() != '\n' && text.back() != '\r')
            text += "\r\n";
        text += corpus.partText(corpus.parts.at(place));
    }
    return text;
}

std::int64_t LexicalColumn::count(FormTable::Id form) const
{
    const auto found = std::ranges::lower_bound(counts, form, {}, &FormInColumn::form);
    return found != counts.end() && found->form == form ? found->count : 0;
}

LexicalTable lexicalTable(const Corpus& corpus, const std::vector<PartGroup>& groups, LetterRule letters)
{
    LexicalTable table;
    const Alphabet& alphabet = Alphabet::of(letters);
    // The attestations in the current group of each form, and the forms it has met.
    std::vector<std::int64_t> inGroup;
    std::vector<FormTable::Id> met;
    for (const PartGroup& group : groups) {
        LexicalColumn column{group.name, 0, {}};
        for (const std::size_t place : group.parts) {
            forEachForm(corpus.partText(corpus.parts[place]), alphabet, [&](std::string_view form) {
                const FormTable::Id id = table.forms.addLowerCased(form, alphabet);
                if (id >= inGroup.size())
                    inGroup.resize(id + std::size_t{1}, 0);
                if (inGroup[id]++ == 0)
                    met.push_back(id);
                ++column.tokens;
            });
        }
        std::ranges::sort(met);
        column.counts.reserve(met.size());
        for (const FormTable::Id id : met) {
            column.counts.push_back({id, inGroup[id]});
            inGroup[id] = 0;
        }
        met.clear();
        table.tokens += column.tokens;
        table.columns.push_back(std::move(column));
    }
    table.alphabetical = table.forms.alphabeticalOrder();
    table.rank = ranksIn(table.alphabetical);
    return table;
}

} // namespace quorvelle
