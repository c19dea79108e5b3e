// SA-IS over 16- or 32-bit symbols, and the Φ algorithm for the common prefix lengths.
#include "core/text/suffix_array.h"

#include "core/text/work_cancellation.h"

#include <algorithm>
#include <memory>
#include <stdexcept>

namespace quorvelle {
namespace {

/// A slot of the suffix array not yet filled.
constexpr SuffixIndex emptySlot = std::numeric_limits<SuffixIndex>::max();

/// Whether each suffix is of type S (smaller than the suffix after it) or L, and whether it
/// is the leftmost of a run of S suffixes, a byte each: the sort reads them at random, and a
/// byte is read in one step where a bit takes three.
class SuffixTypes {
public:
    template <class Symbol>
    SuffixTypes(const Symbol* symbols, SuffixIndex size)
        : types_(filledUnlessCancelled(size, largerType))
    {
        types_[size - 1] = smallerType; // the sentinel; the symbol before it is larger
        for (SuffixIndex position = size - 1; position-- > 0;) {
            stopIfCancelledEveryChunk(position);
            const bool smaller = symbols[position] < symbols[position + 1]
                || (symbols[position] == symbols[position + 1] && isS(position + 1));
            if (smaller)
                types_[position] = smallerType;
            else if (isS(position + 1))
                types_[position + 1] = leftmostSmallerType;
        }
    }

    bool isS(SuffixIndex position) const { return types_[position] != largerType; }
    bool isLeftmostS(SuffixIndex position) const { return types_[position] == leftmostSmallerType; }

private:
    static constexpr std::uint8_t largerType = 0;
    static constexpr std::uint8_t smallerType = 1;
    static constexpr std::uint8_t leftmostSmallerType = 2;

    std::vector<std::uint8_t> types_;
};

/// The buckets of the symbols in the suffix array. The sizes are counted once when the
/// alphabet is small beside the sequence, afresh each time otherwise, so that no second array
/// of the alphabet's size weighs on the memory.
template <class Symbol>
class Buckets {
public:
    Buckets(const Symbol* symbols, SuffixIndex size, SuffixIndex alphabetSize)
        : symbols_(symbols)
        , size_(size)
        , bounds_(alphabetSize)
    {
        if (alphabetSize <= size / keptCountsRatio) {
            counts_.resize(alphabetSize);
            count(counts_);
        }
    }

    /// The start (or the end) of each bucket, to be moved as suffixes are placed.
    std::vector<SuffixIndex>& bounds(bool ends)
    {
        if (counts_.empty())
            count(bounds_);
        else
            std::ranges::copy(counts_, bounds_.begin());
        SuffixIndex sum = 0;
        for (SuffixIndex& bound : bounds_) {
            const SuffixIndex bucketSize = bound;
            sum += bucketSize;
            bound = ends ? sum : sum - bucketSize;
        }
        return bounds_;
    }

private:
    static constexpr SuffixIndex keptCountsRatio = 8;

    void count(std::vector<SuffixIndex>& counts) const
    {
        std::ranges::fill(counts, 0);
        for (SuffixIndex position = 0; position < size_; ++position)
            ++counts[symbols_[position]];
    }

    const Symbol* symbols_;
    SuffixIndex size_;
    std::vector<SuffixIndex> counts_;
    std::vector<SuffixIndex> bounds_;
};

/// Sorts the L suffixes from the sorted S suffixes already in place (left to right, to the
/// starts of the buckets), then the S suffixes from the L ones (right to left, to the ends).
template <class Symbol>
void induce(const Symbol* symbols, SuffixIndex* suffixes, SuffixIndex size, const SuffixTypes& types,
            Buckets<Symbol>& allBuckets)
{
    std::vector<SuffixIndex>& buckets = allBuckets.bounds(false);
    for (SuffixIndex slot = 0; slot < size; ++slot) {
        stopIfCancelledEveryChunk(slot);
        const SuffixIndex suffix = suffixes[slot];
        if (suffix != emptySlot && suffix > 0 && !types.isS(suffix - 1))
            suffixes[buckets[symbols[suffix - 1]]++] = suffix - 1;
    }
    allBuckets.bounds(true);
    for (SuffixIndex slot = size; slot-- > 0;) {
        stopIfCancelledEveryChunk(slot);
        const SuffixIndex suffix = suffixes[slot];
        if (suffix != emptySlot && suffix > 0 && types.isS(suffix - 1))
            suffixes[--buckets[symbols[suffix - 1]]] = suffix - 1;
    }
}

/// SA-IS: sorts the substrings that run from one leftmost S suffix to the next, names them,
/// sorts the suffixes of the sequence of names (recursively while names repeat), and induces
/// the order of every suffix from theirs. The reduced sequence and its suffix array, each at
/// most half the size, live in suffixes itself.
template <class Symbol>
void induceSuffixArray(const Symbol* symbols, SuffixIndex* suffixes, SuffixIndex size, SuffixIndex alphabetSize)
{
    if (size == 1) {
        suffixes[0] = 0;
        return;
    }
    const SuffixTypes types(symbols, size);

    // The leftmost S suffixes at the ends of their buckets, then their substrings sorted.
    Buckets<Symbol> buckets(symbols, size, alphabetSize);
    stopIfCancelled(); // the buckets are counted in a pass of their own
    std::vector<SuffixIndex>& ends = buckets.bounds(true);
    std::fill(suffixes, suffixes + size, emptySlot);
    for (SuffixIndex position = 1; position < size; ++position)
        if (types.isLeftmostS(position))
            suffixes[--ends[symbols[position]]] = position;
    induce(symbols, suffixes, size, types, buckets);

    stopIfCancelled(); // here and below, between passes over the whole sequence
    SuffixIndex reducedSize = 0;
    for (SuffixIndex slot = 0; slot < size; ++slot)
        if (types.isLeftmostS(suffixes[slot]))
            suffixes[reducedSize++] = suffixes[slot];

    // Equal substrings get one name. Two leftmost S positions are at least two apart, so
    // position / 2 gives each its own slot in the upper part.
    std::fill(suffixes + reducedSize, suffixes + size, emptySlot);
    SuffixIndex names = 0;
    SuffixIndex previous = emptySlot;
    for (SuffixIndex slot = 0; slot < reducedSize; ++slot) {
        stopIfCancelledEveryChunk(slot);
        const SuffixIndex position = suffixes[slot];
        bool differs = previous == emptySlot;
        for (SuffixIndex offset = 0; !differs; ++offset) {
            if (symbols[position + offset] != symbols[previous + offset]
                || types.isS(position + offset) != types.isS(previous + offset))
                differs = true;
            else if (offset > 0 && types.isLeftmostS(position + offset))
                break; // both substrings end here, the same
        }
        if (differs) {
            ++names;
            previous = position;
        }
        suffixes[reducedSize + position / 2] = names - 1;
    }
    stopIfCancelled();
    SuffixIndex* const reduced = suffixes + size - reducedSize;
    for (SuffixIndex slot = size, kept = size; slot-- > reducedSize;)
        if (suffixes[slot] != emptySlot)
            suffixes[--kept] = suffixes[slot];

    SuffixIndex* const reducedSuffixes = suffixes;
    if (names < reducedSize) {
        induceSuffixArray<SuffixIndex>(reduced, reducedSuffixes, reducedSize, names);
    } else {
        for (SuffixIndex position = 0; position < reducedSize; ++position)
            reducedSuffixes[reduced[position]] = position;
    }

    // The leftmost S suffixes in their order, at the ends of their buckets, induce the rest.
    stopIfCancelled();
    for (SuffixIndex position = 1, count = 0; position < size; ++position)
        if (types.isLeftmostS(position))
            reduced[count++] = position;
    stopIfCancelled();
    for (SuffixIndex slot = 0; slot < reducedSize; ++slot)
        reducedSuffixes[slot] = reduced[reducedSuffixes[slot]];
    std::fill(suffixes + reducedSize, suffixes + size, emptySlot);
    stopIfCancelled();
    buckets.bounds(true);
    stopIfCancelled();
    for (SuffixIndex slot = reducedSize; slot-- > 0;) {
        const SuffixIndex position = suffixes[slot];
        suffixes[slot] = emptySlot;
        suffixes[--ends[symbols[position]]] = position;
    }
    induce(symbols, suffixes, size, types, buckets);
}

template <class Symbol>
std::vector<SuffixIndex> buildSuffixArray(std::span<const Symbol> symbols, std::size_t alphabetSize)
{
    if (symbols.size() > longestSuffixSequence || alphabetSize > longestSuffixSequence)
        throw std::length_error("sequence too long for a 32-bit suffix array");
    if (symbols.empty())
        return {};
    const auto size = static_cast<SuffixIndex>(symbols.size());
    std::vector<SuffixIndex> suffixes = filledUnlessCancelled(size, emptySlot);
    induceSuffixArray(symbols.data(), suffixes.data(), size, static_cast<SuffixIndex>(alphabetSize));
    return suffixes;
}

/// Positions whose predecessors are held at once: four bytes each, a quarter of the
/// sequence or these many, whichever is more, so that at most four passes read the suffixes.
constexpr SuffixIndex fewestPositionsPerPass = SuffixIndex{1} << 22;
constexpr SuffixIndex mostPasses = 4;

template <class Symbol>
CommonPrefixLengths buildCommonPrefixLengths(std::span<const Symbol> symbols, std::span<const SuffixIndex> suffixes,
                                             std::uint32_t firstCounted)
{
    const auto size = static_cast<SuffixIndex>(suffixes.size());
    std::vector<std::uint8_t> shortLengths(size);
    std::vector<std::pair<SuffixIndex, SuffixIndex>> longLengths;
    if (size == 0)
        return {};
    const SuffixIndex perPass = std::max(fewestPositionsPerPass, size / mostPasses + 1);
    const auto predecessor = std::make_unique_for_overwrite<SuffixIndex[]>(std::min(perPass, size));
    const auto counted = [&](SuffixIndex position) { return symbols[position] >= firstCounted; };

    // Φ: a suffix shares at least one symbol less with its predecessor than the suffix before
    // it did with its own, so the lengths are found in text order with linear work in all.
    SuffixIndex shared = 0;
    for (SuffixIndex first = 0; first < size; first += std::min(perPass, size - first)) {
        const SuffixIndex end = first + std::min(perPass, size - first);
        for (SuffixIndex slot = 0; slot < size; ++slot) {
            stopIfCancelledEveryChunk(slot);
            if (suffixes[slot] >= first && suffixes[slot] < end)
                predecessor[suffixes[slot] - first] = slot == 0 ? emptySlot : suffixes[slot - 1];
        }
        for (SuffixIndex position = first; position < end; ++position) {
            stopIfCancelledEveryChunk(position);
            const SuffixIndex other = predecessor[position - first];
            if (other == emptySlot) {
                shared = 0;
            } else {
                // The sentinel, below firstCounted, ends both suffixes before their ends.
                while (counted(position + shared) && symbols[position + shared] == symbols[other + shared])
                    ++shared;
            }
            if (shared < CommonPrefixLengths::longMark) {
                shortLengths[position] = static_cast<std::uint8_t>(shared);
            } else {
                shortLengths[position] = CommonPrefixLengths::longMark;
                longLengths.emplace_back(position, shared);
            }
            shared = shared > 0 ? shared - 1 : 0;
        }
    }
    return {std::move(shortLengths), std::move(longLengths)};
}

} // namespace

std::vector<SuffixIndex> suffixArray(std::span<const std::uint16_t> symbols, std::size_t alphabetSize)
{
    return buildSuffixArray(symbols, alphabetSize);
}

std::vector<SuffixIndex> suffixArray(std::span<const std::uint32_t> symbols, std::size_t alphabetSize)
{
    return buildSuffixArray(symbols, alphabetSize);
}

SuffixIndex CommonPrefixLengths::longLength(SuffixIndex position) const
{
    const auto found = std::ranges::lower_bound(long_, position, {}, &std::pair<SuffixIndex, SuffixIndex>::first);
    return found->second;
}

CommonPrefixLengths commonPrefixLengths(std::span<const std::uint16_t> symbols, std::span<const SuffixIndex> suffixes,
                                        std::uint32_t firstCounted)
{
    return buildCommonPrefixLengths(symbols, suffixes, firstCounted);
}

CommonPrefixLengths commonPrefixLengths(std::span<const std::uint32_t> symbols, std::span<const SuffixIndex> suffixes,
                                        std::uint32_t firstCounted)
{
    return buildCommonPrefixLengths(symbols, suffixes, firstCounted);
}

} // namespace quorvelle
