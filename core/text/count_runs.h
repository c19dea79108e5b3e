// Lists ordered by number of attestations, and the runs of equal numbers in them.
#pragma once

#include "core/text/form_list.h"
#include "core/text/vocabulary.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quorvelle {

enum class CountOrder { Increasing, Decreasing };

/// The positions of the entries ordered by count; entries of equal count keep the order they
/// had (the alphabetical order of a vocabulary), as one stable sort leaves them.
/// Counted into buckets when the counts span fewer values than countingSortLimit, sorted
/// otherwise.
std::vector<std::size_t> positionsByCount(const std::vector<FormCount>& entries, CountOrder order);

/// The widest span of counts that positionsByCount buckets for a list of this size: the
/// buckets take no more memory than a few times the list.
constexpr std::uint64_t countingSortLimit(std::size_t entryCount)
{
    return 4 * std::uint64_t{entryCount} + 4096;
}

/// The entries themselves in the order of positionsByCount.
std::vector<FormCount> sortedByCount(const std::vector<FormCount>& entries, CountOrder order);

/// A run of entries of equal count in a list ordered by count: entries first to
/// first + size − 1 all have this count.
struct CountRun {
    std::int64_t count = 0;
    std::size_t first = 0;
    std::size_t size = 0;
};

/// The runs of equal counts of a list ordered by count, in list order.
std::vector<CountRun> countRuns(FormList sortedByCount);

} // namespace quorvelle
