// Suffix arrays of symbol sequences, built by induced sorting, and the common prefixes of
// neighbouring suffixes: what finding repeated segments rests on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <utility>
#include <vector>

namespace quorvelle {

/// A position in a sequence, 32 bits: a suffix array takes four bytes per symbol.
using SuffixIndex = std::uint32_t;

/// The longest sequence a suffix array is built for: one value of SuffixIndex stays free to
/// mark the slots not yet filled while sorting.
inline constexpr std::size_t longestSuffixSequence = std::numeric_limits<SuffixIndex>::max() - 1;

/// The suffix array of symbols: the start of each suffix, in increasing lexicographic order.
/// Every symbol is below alphabetSize; the last symbol is 0 and no other is (a sentinel that
/// makes every suffix differ from the others). Linear time (SA-IS: Nong, Zhang and Chan),
/// and beside the result only the bucket counters, a byte per symbol for its type, and the
/// reduced problems within the result's own space. Throws std::length_error beyond
/// longestSuffixSequence symbols.
std::vector<SuffixIndex> suffixArray(std::span<const std::uint16_t> symbols, std::size_t alphabetSize);
std::vector<SuffixIndex> suffixArray(std::span<const std::uint32_t> symbols, std::size_t alphabetSize);

/// For each position of a sequence, the number of symbols its suffix shares with the suffix
/// just before it in the suffix array (0 for the first suffix), counting only symbols from a
/// given one up: a smaller symbol, a separator, ends every common prefix and is not part of
/// it. Each length takes one byte; the rare lengths from 255 up are kept beside them.
class CommonPrefixLengths {
public:
    CommonPrefixLengths() = default;
    CommonPrefixLengths(std::vector<std::uint8_t> shortLengths,
                        std::vector<std::pair<SuffixIndex, SuffixIndex>> longLengths)
        : short_(std::move(shortLengths))
        , long_(std::move(longLengths))
    {
    }

    SuffixIndex operator[](SuffixIndex position) const
    {
        const std::uint8_t length = short_[position];
        return length < longMark ? length : longLength(position);
    }

    /// The byte that stands for a length kept beside the others.
    static constexpr std::uint8_t longMark = 255;

private:
    SuffixIndex longLength(SuffixIndex position) const;

    std::vector<std::uint8_t> short_;
    std::vector<std::pair<SuffixIndex, SuffixIndex>> long_; // (position, length), by position
};

/// The common prefix lengths of the suffixes of symbols, suffixes being their suffix array,
/// symbols below firstCounted acting as separators (see CommonPrefixLengths). Linear time
/// (Kärkkäinen, Manzini and Puglisi's Φ), the suffix array read in a few passes so that the
/// predecessor of each position is held for a part of the positions at a time.
CommonPrefixLengths commonPrefixLengths(std::span<const std::uint16_t> symbols, std::span<const SuffixIndex> suffixes,
                                        std::uint32_t firstCounted);
CommonPrefixLengths commonPrefixLengths(std::span<const std::uint32_t> symbols, std::span<const SuffixIndex> suffixes,
                                        std::uint32_t firstCounted);

} // namespace quorvelle
