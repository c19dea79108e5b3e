// Lazily sorted string list.
#include "core/sorted_string_list.h"

#include "core/collation.h"

#include <cassert>
#include <string_view>
#include <utility>

namespace quorvelle {

void SortedStringList::add(std::string text)
{
    entries_.push_back(std::move(text));
    sorted_ = false;
}

void SortedStringList::clear()
{
    entries_.clear();
    sorted_ = true;
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
    sortPending();
    return entries_[index];
}

void SortedStringList::sortPending() const
{
    if (sorted_)
        return;
    const std::vector<std::string_view> views(entries_.begin(), entries_.end());
    std::vector<std::string> ordered;
    ordered.reserve(entries_.size());
    for (const std::size_t index : FrenchCollator::instance().order(views))
        ordered.push_back(entries_[index]);
    entries_ = std::move(ordered);
    sorted_ = true;
}

} // namespace quorvelle
