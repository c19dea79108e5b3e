// Ordering by count and grouping equal counts.
#include "core/text/count_runs.h"

#include <algorithm>
#include <numeric>

namespace quorvelle {

std::vector<std::size_t> positionsByCount(const std::vector<FormCount>& entries, CountOrder order)
{
    std::vector<std::size_t> positions(entries.size());
    std::iota(positions.begin(), positions.end(), std::size_t{0});
    // Equal counts by position, as a stable sort would leave them, without its buffer.
    std::sort(positions.begin(), positions.end(), [&](std::size_t left, std::size_t right) {
        if (entries[left].count != entries[right].count)
            return order == CountOrder::Increasing ? entries[left].count < entries[right].count
                                                   : entries[left].count > entries[right].count;
        return left < right;
    });
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
