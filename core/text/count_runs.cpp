// Ordering by count and grouping equal counts.
#include "core/text/count_runs.h"

#include <algorithm>
#include <numeric>

namespace quorvelle {

std::vector<std::size_t> positionsByCount(const std::vector<FormCount>& entries, CountOrder order)
{
    std::vector<std::size_t> positions(entries.size());
    if (entries.empty())
        return positions;
    const auto [smallest, largest] = std::ranges::minmax(entries, {}, &FormCount::count);
    const auto range = static_cast<std::uint64_t>(largest.count - smallest.count);
    // The key of an entry, from 0, in the order asked.
    const auto keyOf = [&, least = smallest.count, most = largest.count](const FormCount& entry) {
        return static_cast<std::size_t>(order == CountOrder::Increasing ? entry.count - least : most - entry.count);
    };
    if (range >= countingSortLimit(entries.size())) {
        // Equal counts by position, as a stable sort would leave them, without its buffer.
        std::iota(positions.begin(), positions.end(), std::size_t{0});
        std::ranges::sort(positions, [&](std::size_t left, std::size_t right) {
            const std::size_t leftKey = keyOf(entries[left]);
            const std::size_t rightKey = keyOf(entries[right]);
            return leftKey != rightKey ? leftKey < rightKey : left < right;
        });
        return positions;
    }
    // Counts span a range about the size of the list: a counting sort, two passes in order over
    // the entries instead of a sort that reads them at random.
    std::vector<std::size_t> next(static_cast<std::size_t>(range) + 2, 0);
    for (const FormCount& entry : entries)
        ++next[keyOf(entry) + 1];
    std::partial_sum(next.begin(), next.end(), next.begin());
    for (std::size_t position = 0; position < entries.size(); ++position)
        positions[next[keyOf(entries[position])]++] = position;
    return positions;
}

std::vector<FormCount> sortedByCount(const std::vector<FormCount>& entries, CountOrder order)
{
    // Sorting positions rather than entries copies each text once instead of moving it at
    // every step of the sort.
    std::vector<FormCount> sorted;
    sorted.reserve(entries.size());
    for (const std::size_t position : positionsByCount(entries, order))
        sorted.push_back(entries[position]);
    return sorted;
}

std::vector<CountRun> countRuns(FormList sortedByCount)
{
    std::vector<CountRun> runs;
    for (std::size_t index = 0; index < sortedByCount.size(); ++index) {
        if (runs.empty() || runs.back().count != sortedByCount[index].count)
            runs.push_back({sortedByCount[index].count, index, 0});
        ++runs.back().size;
    }
    return runs;
}

} // namespace quorvelle
