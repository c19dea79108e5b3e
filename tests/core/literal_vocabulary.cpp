// The literal sorted list and grouping.
#include "core/literal_vocabulary.h"

#include "core/collation.h"

#include <cassert>
#include <string_view>
#include <utility>

namespace quorvelle::test {

void SortedStringList::add(std::string text)
{
    entries_.push_back(std::move(text));
    sorted_ = false;
}

std::size_t SortedStringList::count() const
{
    return entries_.size();
}

const std::string& SortedStringList::at(std::size_t index) const
{
    static const std::string pastTheEnd;
    assert(index <= entries_.size());
    if (index >= entries_.size())
        return pastTheEnd;
    if (!sorted_) {
        const std::vector<std::string_view> views(entries_.begin(), entries_.end());
        std::vector<std::string> ordered;
        ordered.reserve(entries_.size());
        for (const std::size_t position : FrenchCollator::instance().order(views))
            ordered.push_back(entries_[position]);
        entries_ = std::move(ordered);
        sorted_ = true;
    }
    return entries_[index];
}

std::vector<FormCount> groupEqualNeighbours(const SortedStringList& list)
{
    std::vector<FormCount> groups;
    const std::size_t count = list.count();
    if (count == 0)
        return groups;
    std::int64_t run = 1;
    for (std::size_t index = 1; index <= count; ++index) {
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
