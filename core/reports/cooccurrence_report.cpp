// Counting co-occurrences as pairs of form numbers; only the pairs that are shown get a text.
#include "core/reports/cooccurrence_report.h"

#include "core/text/collation.h"
#include "core/text/count_runs.h"
#include "core/text/tokenized_text.h"
#include "core/text/work_cancellation.h"

#include <algorithm>
#include <memory>
#include <string>

namespace quorvelle {
namespace {

/// Pairs attested fewer times are never shown.
constexpr std::int64_t smallestShownCount = 2;

/// A pair of adjacent forms, by form number, with its attestations.
struct PairCount {
    FormTable::Id first;
    FormTable::Id second;
    std::int64_t count;
};

/// Large texts are bucketed in several passes, so that the followers' buffer stays a fraction
/// of the text's own size: each pass holds at least this many followers, or the text's share
/// of the passes, so that there are never more than mostPasses of them.
constexpr std::size_t followersPerPass = std::size_t{1} << 20;
constexpr std::size_t mostPasses = 8;

/// The pairs attested at least smallestShownCount times, grouped by first form.
///
/// The occurrences are bucketed by first form, each bucket holding the forms that follow
/// that form, and each bucket is counted in an array indexed by form number. The passes over
/// the text are sequential and the counters stay in cache, where a table of pairs would miss
/// the cache at nearly every occurrence of a large text. Each pass buckets the followers of a
/// range of first forms whose buckets fit in the buffer.
std::vector<PairCount> shownPairs(const TokenizedText& text)
{
    const TokenSequence& tokens = text.tokens;
    if (tokens.size() < 2)
        return {};
    const std::size_t distinct = text.distinctCount();

    // Every occurrence but the last is followed by a form.
    const FormTable::Id last = tokens.back();
    std::vector<std::size_t> bucketStart(distinct + 1, 0);
    for (FormTable::Id id = 0; id < distinct; ++id)
        bucketStart[id + 1] = bucketStart[id] + static_cast<std::size_t>(text.forms.count(id)) - (id == last ? 1 : 0);
    std::size_t largestBucket = 0;
    for (FormTable::Id id = 0; id < distinct; ++id)
        largestBucket = std::max(largestBucket, bucketStart[id + 1] - bucketStart[id]);
    const std::size_t bufferSize =
        std::min(tokens.size() - 1, std::max({followersPerPass, tokens.size() / mostPasses + 1, largestBucket}));
    // Every slot a pass reads is written by that pass first: no zeroing.
    const auto followers = std::make_unique_for_overwrite<FormTable::Id[]>(bufferSize);
    std::vector<std::size_t> next(distinct);

    std::vector<PairCount> shown;
    std::vector<std::int64_t> counts(distinct, 0);
    std::vector<FormTable::Id> met;
    for (FormTable::Id low = 0; low < distinct;) {
        FormTable::Id high = low + 1;
        while (high < distinct && bucketStart[high + 1] - bucketStart[low] <= bufferSize)
            ++high;
        const std::size_t base = bucketStart[low];
        std::copy(bucketStart.begin() + low, bucketStart.begin() + high, next.begin() + low);
        auto token = tokens.begin();
        FormTable::Id first = *token;
        CancellationCountdown countdown;
        for (++token; token != tokens.end(); ++token) {
            countdown.countItem();
            const FormTable::Id second = *token;
            if (first >= low && first < high)
                followers[next[first]++ - base] = second;
            first = second;
        }
        for (FormTable::Id first = low; first < high; ++first) {
            stopIfCancelled(); // once a form: the bucket of the commonest holds a million followers
            met.clear();
            for (std::size_t index = bucketStart[first] - base; index < bucketStart[first + 1] - base; ++index)
                if (counts[followers[index]]++ == 0)
                    met.push_back(followers[index]);
            for (const FormTable::Id second : met) {
                if (counts[second] >= smallestShownCount)
                    shown.push_back({first, second, counts[second]});
                counts[second] = 0;
            }
        }
        low = high;
    }
    return shown;
}

/// The text of a pair, "form1 form2".
std::string pairText(const TokenizedText& text, const PairCount& pair)
{
    const std::string& first = text.forms.form(pair.first);
    const std::string& second = text.forms.form(pair.second);
    std::string pairText;
    pairText.reserve(first.size() + 1 + second.size());
    pairText.append(first).append(1, ' ').append(second);
    return pairText;
}

/// For each form that begins one of the pairs, a number that follows the alphabetical order
/// of the forms and that forms of the same letters (see FrenchCollator::sameLetters) share.
std::vector<std::uint32_t> letterGroups(const TokenizedText& text, const std::vector<PairCount>& pairs)
{
    std::vector<bool> beginsAPair(text.distinctCount(), false);
    for (const PairCount& pair : pairs)
        beginsAPair[pair.first] = true;
    const FrenchCollator& collator = FrenchCollator::instance();
    std::vector<std::uint32_t> group(text.distinctCount(), 0);
    std::uint32_t current = 0;
    const std::string* previous = nullptr;
    for (const FormTable::Id id : text.alphabetical) {
        if (!beginsAPair[id])
            continue;
        const std::string& form = text.forms.form(id);
        if (previous && !collator.sameLetters(*previous, form))
            ++current;
        group[id] = current;
        previous = &form;
    }
    return group;
}

/// The pairs with their texts "form1 form2", in alphabetical order.
///
/// The pair texts are collated whole. Ordering by first form, then by second form, would
/// differ: accents weigh only where the letters of the whole texts tie, so "côte a" comes
/// before "cote b" although "cote" comes before "côte". That happens only between first forms
/// of the same letters: where the letters of two first forms differ, their pairs are in the
/// order of the first forms, since the space that ends the shorter one sorts before any
/// letter. So the pairs are grouped by the letters of their first form, the groups taken in
/// alphabetical order, and the pair texts of one group at a time collated whole: the sort keys
/// of a group are held at once, never those of every pair.
std::vector<FormCount> alphabeticalPairs(const TokenizedText& text, std::vector<PairCount> pairs)
{
    const std::vector<std::uint32_t> group = letterGroups(text, pairs);
    const auto groupOf = [&group](const PairCount& pair) { return group[pair.first]; };
    // The groups are taken from the back, last group first in the list, so that the numbers of
    // the pairs that have their texts can be let go: the texts are made as the numbers are
    // given back, never the numbers and the texts of every pair held at once.
    std::ranges::sort(pairs, std::ranges::greater{}, groupOf);

    std::vector<FormCount> ordered;
    ordered.reserve(pairs.size());
    std::vector<FormCount> groupPairs;
    std::vector<std::string_view> groupTexts;
    while (!pairs.empty()) {
        const std::uint32_t current = groupOf(pairs.back());
        groupPairs.clear();
        stopIfCancelled();
        for (; !pairs.empty() && groupOf(pairs.back()) == current; pairs.pop_back())
            groupPairs.push_back({pairText(text, pairs.back()), pairs.back().count});
        if (pairs.size() < pairs.capacity() / 2)
            pairs.shrink_to_fit();
        if (groupPairs.size() == 1) {
            ordered.push_back(std::move(groupPairs.front()));
            continue;
        }
        groupTexts.clear();
        for (const FormCount& pair : groupPairs)
            groupTexts.push_back(pair.form);
        for (const std::size_t index : FrenchCollator::instance().order(groupTexts))
            ordered.push_back(std::move(groupPairs[index]));
    }
    return ordered;
}

} // namespace

CooccurrenceReport cooccurrenceReport(std::string_view text)
{
    return cooccurrenceReport(tokenize(text));
}

CooccurrenceReport cooccurrenceReport(const TokenizedText& text)
{
    CooccurrenceReport report;
    report.tokenCount = text.tokenCount();

    report.pairs = alphabeticalPairs(text, shownPairs(text));
    report.byCount = positionsByCount(report.pairs, CountOrder::Increasing);
    for (const CountRun& run : countRuns(report.pairsByCount()))
        report.rows.push_back({run.count, static_cast<std::int64_t>(run.size), run.first});
    return report;
}

} // namespace quorvelle
