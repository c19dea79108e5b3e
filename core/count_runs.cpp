// Ordering by count and grouping equal counts.
#include "core/count_runs.h"

#include <algorithm>

namespace quorvelle {

std::vector<FormCount> sortedByCount(std::vector<FormCount> entries, CountOrder order)
{
    std::stable_sort(entries.begin(), entries.end(), [order](const FormCount& left, const FormCount& right) {
        return order == CountOrder::Increasing ? left.count < right.count : left.count > right.count;
    });
    return entries;
}

std::vector<CountRun> countRuns(const std::vector<FormCount>& sortedByCount)
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
