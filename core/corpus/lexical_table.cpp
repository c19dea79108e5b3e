// Grouping the parts of a corpus and counting their forms.
#include "core/corpus/lexical_table.h"

#include "core/text/segmentation.h"
#include "core/text/work_cancellation.h"

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

namespace {

// Counts the forms of one column after another into the table.
class ColumnCounter {
public:
    explicit ColumnCounter(LexicalTable& table)
        : table_(table)
    {
    }

    void count(FormTable::Id form)
    {
        if (form >= inColumn_.size())
            inColumn_.resize(form + std::size_t{1}, 0);
        if (inColumn_[form]++ == 0)
            met_.push_back(form);
        ++tokens_;
    }

    /// Adds the column of the forms counted since the last one.
    void close(const std::string& name)
    {
        LexicalColumn column{name, tokens_, {}};
        std::ranges::sort(met_);
        column.counts.reserve(met_.size());
        for (const FormTable::Id form : met_) {
            column.counts.push_back({form, inColumn_[form]});
            inColumn_[form] = 0;
        }
        met_.clear();
        tokens_ = 0;
        table_.tokens += column.tokens;
        table_.columns.push_back(std::move(column));
    }

private:
    LexicalTable& table_;
    std::vector<std::int64_t> inColumn_; // the attestations in the column of each form
    std::vector<FormTable::Id> met_;     // the forms the column has met
    std::int64_t tokens_ = 0;
};

void orderForms(LexicalTable& table)
{
    table.alphabetical = table.forms.alphabeticalOrder();
    table.rank = ranksIn(table.alphabetical);
}

} // namespace

LexicalTable lexicalTable(const Corpus& corpus, const std::vector<PartGroup>& groups, LetterRule letters)
{
    LexicalTable table;
    ColumnCounter counter(table);
    const Alphabet& alphabet = Alphabet::of(letters);
    CancellationCountdown countdown;
    for (const PartGroup& group : groups) {
        for (const std::size_t place : group.parts)
            forEachForm(corpus.partText(corpus.parts[place]), alphabet, [&](std::string_view form) {
                countdown.countItem();
                counter.count(table.forms.addLowerCased(form, alphabet));
            });
        counter.close(group.name);
    }
    orderForms(table);
    return table;
}

LexicalTable lexicalTable(const Corpus& corpus, const std::vector<PartGroup>& groups, const PartUnits& unitsOf)
{
    LexicalTable table;
    ColumnCounter counter(table);
    CancellationCountdown countdown;
    for (const PartGroup& group : groups) {
        for (const std::size_t place : group.parts) {
            const TokenizedText units = unitsOf(corpus.partText(corpus.parts[place]));
            for (const FormTable::Id unit : units.tokens) {
                countdown.countItem();
                counter.count(table.forms.add(units.forms.form(unit)));
            }
        }
        counter.close(group.name);
    }
    orderForms(table);
    return table;
}

} // namespace quorvelle
