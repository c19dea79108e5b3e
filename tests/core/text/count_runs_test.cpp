// Ordering by count: equal counts keep their order, whether the counts are bucketed or sorted.
#include "core/text/count_runs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace quorvelle {
namespace {

/// What one stable sort by count would give.
std::vector<std::size_t> stablySorted(const std::vector<FormCount>& entries, CountOrder order)
{
    std::vector<std::size_t> positions(entries.size());
    std::iota(positions.begin(), positions.end(), std::size_t{0});
    std::ranges::stable_sort(positions, [&](std::size_t left, std::size_t right) {
        return order == CountOrder::Increasing ? entries[left].count < entries[right].count
                                               : entries[left].count > entries[right].count;
    });
    return positions;
}

TEST(CountRuns, OrderByCountKeepsTheOrderOfEqualCountsWhetherBucketedOrSorted)
{
    // Close counts are bucketed; a count far beyond the others makes the span too wide for
    // buckets, and the list is sorted.
    const std::vector<FormCount> close{{"a", 3}, {"b", 1}, {"c", 2}, {"d", 3}, {"e", 1}, {"f", 7}, {"g", 2}, {"h", 3}};
    std::vector<FormCount> spread = close;
    spread.push_back({"rare", std::int64_t{1} << 40});
    spread.push_back({"nul", 0});
    ASSERT_GE(std::uint64_t{1} << 40, countingSortLimit(spread.size()));

    for (const auto& entries : {close, spread})
        for (const CountOrder order : {CountOrder::Increasing, CountOrder::Decreasing})
            EXPECT_EQ(positionsByCount(entries, order), stablySorted(entries, order));
    EXPECT_TRUE(positionsByCount({}, CountOrder::Decreasing).empty());

    const std::vector<FormCount> sorted = sortedByCount(close, CountOrder::Decreasing);
    const std::vector<CountRun> runs = countRuns(sorted);
    ASSERT_EQ(runs.size(), 4U);
    EXPECT_EQ(runs[1].count, 3);
    EXPECT_EQ(runs[1].first, 1U);
    EXPECT_EQ(runs[1].size, 3U);
}

} // namespace
} // namespace quorvelle
