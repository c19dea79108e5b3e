// Counting co-occurrences as pairs of form numbers; only the pairs that are kept get a text.
#include "core/cooccurrence_report.h"

#include "core/collation.h"
#include "core/count_runs.h"
#include "core/tokenized_text.h"

#include <limits>
#include <stdexcept>
#include <string>

namespace quorvelle {
namespace {

/// Pairs attested fewer times are never shown.
constexpr std::int64_t smallestShownCount = 2;

/// The attestations of each pair of adjacent form numbers, in an open-addressing table:
/// one probe per pair occurrence and no string built, since most pairs are attested once.
class PairCounter {
public:
    struct Entry {
        FormTable::Id first;
        FormTable::Id second;
        std::int64_t count;
    };

    void add(FormTable::Id first, FormTable::Id second)
    {
        if ((entries_.size() + 1) * 2 > slots_.size())
            grow();
        const std::uint64_t key = keyOf(first, second);
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t slot = mix(key) & mask;; slot = (slot + 1) & mask) {
            std::uint32_t& stored = slots_[slot];
            if (stored == 0) {
                if (entries_.size() >= std::numeric_limits<std::uint32_t>::max() - 1)
                    throw std::length_error("too many distinct co-occurrences");
                entries_.push_back({first, second, 1});
                stored = static_cast<std::uint32_t>(entries_.size());
                return;
            }
            Entry& entry = entries_[stored - 1];
            if (entry.first == first && entry.second == second) {
                ++entry.count;
                return;
            }
        }
    }

    /// Every distinct pair met, in order of first occurrence.
    const std::vector<Entry>& entries() const { return entries_; }

private:
    static std::uint64_t keyOf(FormTable::Id first, FormTable::Id second)
    {
        return (std::uint64_t{first} << 32) | second;
    }

    // The finalizer of splitmix64: consecutive form numbers spread over the whole table.
    static std::uint64_t mix(std::uint64_t key)
    {
        key = (key ^ (key >> 30)) * 0xBF58476D1CE4E5B9ull;
        key = (key ^ (key >> 27)) * 0x94D049BB133111EBull;
        return key ^ (key >> 31);
    }

    void grow()
    {
        constexpr std::size_t initialSlots = 1024;
        std::vector<std::uint32_t> slots(slots_.empty() ? initialSlots : slots_.size() * 2, 0);
        const std::size_t mask = slots.size() - 1;
        for (std::size_t index = 0; index < entries_.size(); ++index) {
            std::size_t slot = mix(keyOf(entries_[index].first, entries_[index].second)) & mask;
            while (slots[slot] != 0)
                slot = (slot + 1) & mask;
            slots[slot] = static_cast<std::uint32_t>(index + 1);
        }
        slots_ = std::move(slots);
    }

    std::vector<Entry> entries_;
    std::vector<std::uint32_t> slots_; // entry index + 1, or 0 for an empty slot
};

/// The pairs attested at least smallestShownCount times, with their texts, unordered.
std::vector<FormCount> shownPairs(const TokenizedText& text)
{
    PairCounter counter;
    for (std::size_t index = 1; index < text.tokens.size(); ++index)
        counter.add(text.tokens[index - 1], text.tokens[index]);

    std::vector<FormCount> shown;
    for (const PairCounter::Entry& entry : counter.entries()) {
        if (entry.count < smallestShownCount)
            continue;
        const std::string& first = text.forms.form(entry.first);
        const std::string& second = text.forms.form(entry.second);
        std::string pair;
        pair.reserve(first.size() + 1 + second.size());
        pair.append(first).append(1, ' ').append(second);
        shown.push_back({std::move(pair), entry.count});
    }
    return shown;
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

    // The pair texts are collated whole, each once. Ordering by first form, then by second
    // form, would differ: accents weigh only where the letters of the whole texts tie, so
    // "côte a" comes before "cote b" although "cote" comes before "côte".
    std::vector<FormCount> shown = shownPairs(text);
    std::vector<std::string_view> pairTexts;
    pairTexts.reserve(shown.size());
    for (const FormCount& pair : shown)
        pairTexts.push_back(pair.form);
    report.pairs.reserve(shown.size());
    for (const std::size_t index : FrenchCollator::instance().order(pairTexts))
        report.pairs.push_back(std::move(shown[index]));

    report.byCount = sortedByCount(report.pairs, CountOrder::Increasing);
    for (const CountRun& run : countRuns(report.byCount))
        report.rows.push_back({run.count, static_cast<std::int64_t>(run.size), run.first});
    return report;
}

} // namespace quorvelle
