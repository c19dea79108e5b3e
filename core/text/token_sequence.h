// The occurrences of a text as form numbers, packed in two bytes each but for rare forms.
#pragma once

#include "core/text/form_table.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <vector>

namespace quorvelle {

/// Form numbers in text order, in 16-bit units: a number below 32 768 in one unit, a larger
/// one in fifteen bits a unit, low bits first, the high bit set on every unit of the number
/// but its last. The forms a text meets first are mostly its commonest, so nearly every
/// occurrence takes one unit, half the memory of a 32-bit number; and the rare longer ones
/// leave the processor's guess of where the next number starts nearly always right.
/// Single bytes would save a little more memory, but whether a number takes one or two of
/// them is a toss-up the processor would lose about every other occurrence.
///
/// Read in order, forwards or backwards; a zero unit before the first number stops a backward
/// step there as the last unit of a number would.
class TokenSequence {
public:
    using Id = FormTable::Id;

    TokenSequence()
        : units_(1, 0)
    {
    }

    /// Makes room for this many numbers of one unit.
    void reserve(std::size_t numbers) { units_.reserve(numbers + 1); }

    void push_back(Id id)
    {
        for (; id > lowBits; id >>= 15)
            units_.push_back(static_cast<std::uint16_t>(id | continuation));
        units_.push_back(static_cast<std::uint16_t>(id));
        ++size_;
    }

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

    class Iterator {
    public:
        using iterator_concept = std::bidirectional_iterator_tag;
        using value_type = Id;
        using difference_type = std::ptrdiff_t;

        Iterator() = default;

        Id operator*() const
        {
            if (*at_ & continuation) [[unlikely]]
                return decodeLong();
            return *at_;
        }
        Iterator& operator++()
        {
            while (*at_++ & continuation) { }
            return *this;
        }
        Iterator operator++(int)
        {
            Iterator before = *this;
            ++*this;
            return before;
        }
        Iterator& operator--()
        {
            --at_;
            while (at_[-1] & continuation)
                --at_;
            return *this;
        }
        Iterator operator--(int)
        {
            Iterator before = *this;
            --*this;
            return before;
        }
        bool operator==(const Iterator&) const = default;

    private:
        friend class TokenSequence;
        explicit Iterator(const std::uint16_t* at)
            : at_(at)
        {
        }

        Id decodeLong() const
        {
            Id id = 0;
            unsigned shift = 0;
            const std::uint16_t* unit = at_;
            for (; *unit & continuation; ++unit, shift += 15)
                id |= static_cast<Id>(*unit & lowBits) << shift;
            return id | static_cast<Id>(*unit) << shift;
        }

        const std::uint16_t* at_ = nullptr; ///< the first unit of a number, or the end
    };

    Iterator begin() const { return Iterator(units_.data() + 1); }
    Iterator end() const { return Iterator(units_.data() + units_.size()); }
    Id back() const { return *--end(); }

private:
    static constexpr std::uint16_t continuation = 0x8000;
    static constexpr std::uint16_t lowBits = 0x7FFF;

    std::vector<std::uint16_t> units_;
    std::size_t size_ = 0;
};

} // namespace quorvelle
