// The parts of a corpus, their specific forms and the progression of a form.
#include "core/corpus/corpus_reports.h"

#include "core/reports/keyness_scores.h"
#include "core/text/letters.h"

#include <algorithm>

namespace quorvelle {

CorpusPartsReport corpusPartsReport(const LexicalTable& table)
{
    CorpusPartsReport report{table.tokens, static_cast<std::int64_t>(table.forms.size()), {}};
    for (const LexicalColumn& column : table.columns) {
        const std::int64_t hapax =
            std::ranges::count_if(column.counts, [](const FormInColumn& entry) { return entry.count == 1; });
        std::optional<double> share;
        if (table.tokens > 0)
            share = static_cast<double>(column.tokens) / static_cast<double>(table.tokens);
        report.parts.push_back(
            {column.name, column.tokens, static_cast<std::int64_t>(column.counts.size()), hapax, share});
    }
    return report;
}

double partSpecificity(std::int64_t f, std::int64_t t, std::int64_t F, std::int64_t T)
{
    // The part against the rest of the corpus: the same law as two texts'.
    return specificity({f, F - f, t, T - t});
}

PartSpecificities partSpecificities(const LexicalTable& table, std::size_t place)
{
    const LexicalColumn& column = table.columns.at(place);
    PartSpecificities report{column.name, column.tokens, table.tokens, {}};
    report.forms.reserve(table.forms.size());
    auto entry = column.counts.begin();
    for (FormTable::Id id = 0; id < table.forms.size(); ++id) {
        std::int64_t f = 0;
        if (entry != column.counts.end() && entry->form == id)
            f = (entry++)->count;
        const std::int64_t F = table.forms.count(id);
        const double expected =
            table.tokens == 0 ? 0 : static_cast<double>(F) * static_cast<double>(column.tokens) / static_cast<double>(table.tokens);
        report.forms.push_back({table.forms.form(id), f, F, expected, partSpecificity(f, column.tokens, F, table.tokens)});
    }
    // Sorted with the forms' places in alphabetical order at hand, then their numbers dropped.
    std::vector<std::size_t> order(report.forms.size());
    for (std::size_t id = 0; id < order.size(); ++id)
        order[id] = id;
    std::ranges::sort(order, [&](std::size_t left, std::size_t right) {
        const double leftScore = report.forms[left].specificity;
        const double rightScore = report.forms[right].specificity;
        if (leftScore != rightScore)
            return leftScore > rightScore;
        return table.rank[left] < table.rank[right];
    });
    std::vector<PartSpecificForm> sorted;
    sorted.reserve(order.size());
    for (const std::size_t id : order)
        sorted.push_back(std::move(report.forms[id]));
    report.forms = std::move(sorted);
    return report;
}

FormProgression formProgression(const LexicalTable& table, std::string_view form)
{
    // The extended rule lower-cases the letters of either rule alike.
    FormProgression progression{Alphabet::of(LetterRule::Extended).lowerCased(form), 0, {}};
    const std::optional<FormTable::Id> id = table.forms.find(progression.form);
    if (id)
        progression.total = table.forms.count(*id);
    for (const LexicalColumn& column : table.columns) {
        const std::int64_t count = id ? column.count(*id) : 0;
        progression.steps.push_back({column.name, count, column.tokens, per10000(count, column.tokens),
                                     partSpecificity(count, column.tokens, progression.total, table.tokens)});
    }
    return progression;
}

} // namespace quorvelle
