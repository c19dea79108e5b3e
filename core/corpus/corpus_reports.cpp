// The parts of a corpus, their specific forms and the progression of a form.
#include "core/corpus/corpus_reports.h"

#include "core/reports/keyness_scores.h"
#include "core/text/letters.h"

#include <algorithm>
#include <functional>
#include <numeric>
#include <unordered_map>
#include <utility>

namespace quorvelle {
namespace {

struct CountPairHash {
    std::size_t operator()(const std::pair<std::int64_t, std::int64_t>& counts) const
    {
        return std::hash<std::int64_t>()(counts.first * 1'000'003 + counts.second);
    }
};

} // namespace

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
    const std::size_t formCount = table.forms.size();
    std::vector<std::int64_t> inPart(formCount, 0);
    for (const FormInColumn& entry : column.counts)
        inPart[entry.form] = entry.count;

    // Most forms share their f and F with others (the forms met once in the corpus and absent
    // from the part, above all): each pair's score is computed once, and the forms are ranked
    // by bucketing them under their pair's score, in alphabetical order, rather than sorted.
    std::unordered_map<std::pair<std::int64_t, std::int64_t>, std::uint32_t, CountPairHash> pairs;
    std::vector<double> pairScores;
    std::vector<std::uint32_t> pairOf(formCount);
    for (FormTable::Id id = 0; id < formCount; ++id) {
        const std::int64_t F = table.forms.count(id);
        const auto [pair, unseen] = pairs.try_emplace({inPart[id], F}, static_cast<std::uint32_t>(pairScores.size()));
        if (unseen)
            pairScores.push_back(partSpecificity(inPart[id], column.tokens, F, table.tokens));
        pairOf[id] = pair->second;
    }
    std::vector<std::uint32_t> byScore(pairScores.size());
    std::iota(byScore.begin(), byScore.end(), 0U);
    std::ranges::sort(byScore, [&](std::uint32_t left, std::uint32_t right) { return pairScores[left] > pairScores[right]; });
    // Pairs of equal scores share a bucket, whose forms stay in alphabetical order.
    std::vector<std::uint32_t> bucketOf(pairScores.size());
    std::vector<std::size_t> bucketStart;
    for (std::size_t rank = 0; rank < byScore.size(); ++rank) {
        if (rank == 0 || pairScores[byScore[rank]] != pairScores[byScore[rank - 1]])
            bucketStart.push_back(0);
        bucketOf[byScore[rank]] = static_cast<std::uint32_t>(bucketStart.size() - 1);
    }
    for (std::uint32_t pair : pairOf)
        ++bucketStart[bucketOf[pair]];
    std::exclusive_scan(bucketStart.begin(), bucketStart.end(), bucketStart.begin(), std::size_t{0});
    std::vector<FormTable::Id> ranked(formCount);
    for (const FormTable::Id id : table.alphabetical)
        ranked[bucketStart[bucketOf[pairOf[id]]]++] = id;

    report.forms.reserve(formCount);
    for (const FormTable::Id id : ranked) {
        const std::int64_t F = table.forms.count(id);
        const double expected = table.tokens == 0 ? 0
                                                  : static_cast<double>(F) * static_cast<double>(column.tokens)
                / static_cast<double>(table.tokens);
        report.forms.push_back({table.forms.form(id), inPart[id], F, expected, pairScores[pairOf[id]]});
    }
    return report;
}

FormProgression formProgression(const LexicalTable& table, std::string_view form)
{
    // A table of forms holds them lower-cased (the extended rule lower-cases the letters of
    // either rule alike); a table of lemmas keeps a proper noun's capital.
    std::optional<FormTable::Id> id = table.forms.find(form);
    FormProgression progression{id ? std::string(form) : Alphabet::of(LetterRule::Extended).lowerCased(form), 0, {}};
    if (!id)
        id = table.forms.find(progression.form);
    if (id)
        progression.total = table.forms.count(*id);
    for (const LexicalColumn& column : table.columns) {
        const std::int64_t count = id ? column.count(*id) : 0;
        progression.steps.push_back({progression.form, column.name, count, column.tokens, per10000(count, column.tokens),
                                     partSpecificity(count, column.tokens, progression.total, table.tokens)});
    }
    return progression;
}

} // namespace quorvelle
