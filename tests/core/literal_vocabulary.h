// The sorted string list and the grouping of equal neighbours, as the first program counted
// forms: the literal path that the tests hold the core's faster computations against.
#pragma once

#include "core/vocabulary.h"

#include <cstddef>
#include <string>
#include <vector>

namespace quorvelle::test {

/// Strings in alphabetical order (FrenchCollator), duplicates kept, so that identical
/// strings are always neighbours. Reading one entry past the last gives the empty string,
/// which lets a walk over equal neighbours close its last group.
///
/// Adding is cheap; the list sorts itself once when it is next read.
class SortedStringList {
public:
    void add(std::string text);

    std::size_t count() const;
    /// The entry at index, for index from 0 to count(); index == count() reads "".
    const std::string& at(std::size_t index) const;

private:
    mutable std::vector<std::string> entries_;
    mutable bool sorted_ = true;
};

/// Groups the equal neighbours of a sorted list into (form, attestations), in list order.
std::vector<FormCount> groupEqualNeighbours(const SortedStringList& list);

} // namespace quorvelle::test
