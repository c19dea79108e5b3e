// An ordered list of strings that keeps duplicates, read by index.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace quorvelle {

/// Strings in alphabetical order (FrenchCollator), duplicates kept, so that identical
/// strings are always neighbours. Reading one entry past the last gives the empty string,
/// which lets a walk over equal neighbours close its last group.
///
/// Adding is cheap; the list sorts itself once when it is next read.
class SortedStringList {
public:
    void add(std::string text);
    void clear();

    std::size_t count() const;
    /// The entry at index, for index from 0 to count(); index == count() reads "".
    const std::string& at(std::size_t index) const;

private:
    void sortPending() const;

    mutable std::vector<std::string> entries_;
    mutable bool sorted_ = true;
};

} // namespace quorvelle
