// Forms with their counts read in place: a whole list, or entries of a list picked by position.
#pragma once

#include "core/text/vocabulary.h"

#include <cstddef>
#include <span>
#include <vector>

namespace quorvelle {

/// Forms with their counts in some order, not copied: a list of them, or entries of a list
/// in the order of their positions in it (a listing by count of an alphabetical list).
class FormList {
public:
    FormList(const std::vector<FormCount>& forms)
        : forms_(forms)
    {
    }
    FormList(std::span<const FormCount> forms)
        : forms_(forms)
    {
    }
    FormList(std::span<const FormCount> forms, std::span<const std::size_t> positions)
        : forms_(forms)
        , positions_(positions)
        , picked_(true)
    {
    }

    std::size_t size() const { return picked_ ? positions_.size() : forms_.size(); }
    const FormCount& operator[](std::size_t index) const { return picked_ ? forms_[positions_[index]] : forms_[index]; }

    class Iterator {
    public:
        const FormCount& operator*() const { return (*list_)[index_]; }
        Iterator& operator++()
        {
            ++index_;
            return *this;
        }
        bool operator==(const Iterator&) const = default;

    private:
        friend class FormList;
        Iterator(const FormList* list, std::size_t index)
            : list_(list)
            , index_(index)
        {
        }

        const FormList* list_;
        std::size_t index_;
    };

    Iterator begin() const { return {this, 0}; }
    Iterator end() const { return {this, size()}; }

private:
    std::span<const FormCount> forms_;
    std::span<const std::size_t> positions_;
    bool picked_ = false;
};

} // namespace quorvelle
