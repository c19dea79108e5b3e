// The sorted string list and the grouping of equal neighbours: the literal way of counting
// forms, which the tests hold the core's faster computations against.
#pragma once

#include "core/collation.h"
#include "core/vocabulary.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace quorvelle::test {

/// Strings in alphabetical order (FrenchCollator), duplicates kept, so that identical
/// strings are always neighbours. Reading one entry past the last gives the empty string,
/// which lets a walk over equal neighbours close its last group. The list sorts itself
/// once when it is next read.
class SortedStringList {
public:
    void add(std::string text)
    {
        entries_.push_back(std::move(text));
        sorted_ = false;
    }

    std::size_t count() const { return entries_.size(); }

    /// The entry at index, for index from 0 to count(); index == count() reads "".
    const std::string& at(std::size_t index) const
    {
        static const std::string pastTheEnd;
        if (index >= entries_.size())
            return pastTheEnd;
        if (!sorted_) { // through compare, not the sort keys that the core sorts by
            std::ranges::stable_sort(entries_, [](const std::string& left, const std::string& right) {
                return std::is_lt(FrenchCollator::instance().compare(left, right));
            });
            sorted_ = true;
        }
        return entries_[index];
    }

private:
    mutable std::vector<std::string> entries_;
    mutable bool sorted_ = true;
};

/// Groups the equal neighbours of a sorted list into (form, attestations), in list order.
inline std::vector<FormCount> groupEqualNeighbours(const SortedStringList& list)
{
    std::vector<FormCount> groups;
    std::int64_t run = 1;
    for (std::size_t index = 1; index <= list.count(); ++index) {
        if (list.at(index) != list.at(index - 1)) {
            groups.push_back({list.at(index - 1), run});
            run = 1;
        } else {
            ++run;
        }
    }
    return groups;
}

} // namespace quorvelle::test
