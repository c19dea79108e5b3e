// Finding repeated segments on a suffix array of form numbers, and ordering them.
#include "core/reports/repeated_segments.h"

#include "core/text/collation.h"
#include "core/text/letters.h"
#include "core/text/suffix_array.h"
#include "core/text/work_cancellation.h"
#include "core/text/written_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <functional>
#include <limits>
#include <memory>
#include <numeric>
#include <span>
#include <stdexcept>
#include <utility>

namespace quorvelle {
namespace {

// The symbols of the sequence whose suffixes are sorted: the sentinel that ends it, the
// separator that ends a sentence or stands for a form too rare to be in any listed segment,
// and a number for each other form.
constexpr std::uint32_t sentinel = 0;
constexpr std::uint32_t separator = 1;
constexpr std::uint32_t firstFormSymbol = 2;

/// The forms as symbols.
struct Symbols {
    std::vector<std::uint32_t> ofForm; ///< each form number's symbol, separator for a rare form
    std::vector<FormTable::Id> formOf; ///< the form of each symbol from firstFormSymbol on

    std::size_t alphabetSize() const { return firstFormSymbol + formOf.size(); }
    FormTable::Id form(std::uint32_t symbol) const { return formOf[symbol - firstFormSymbol]; }
};

/// A form attested fewer times than a segment must be can be in none of them: it separates.
Symbols numberForms(const TokenizedText& tokens, std::int64_t minFrequency)
{
    Symbols symbols;
    symbols.ofForm.resize(tokens.distinctCount(), separator);
    for (FormTable::Id id = 0; id < tokens.distinctCount(); ++id) {
        if (tokens.forms.count(id) >= minFrequency) {
            symbols.ofForm[id] = static_cast<std::uint32_t>(symbols.alphabetSize());
            symbols.formOf.push_back(id);
        }
    }
    return symbols;
}

/// The listing's bounds, as numbers of the suffix array's size.
struct Bounds {
    SuffixIndex minFrequency;
    SuffixIndex minLength;
    SuffixIndex maxLength;
    bool maximalOnly;
};

Bounds boundsOf(const SegmentOptions& options)
{
    static constexpr std::int64_t most = std::numeric_limits<SuffixIndex>::max();
    const auto clamped = [](std::int64_t value, std::int64_t fewest) {
        return static_cast<SuffixIndex>(std::clamp(value, fewest, most));
    };
    return {clamped(options.minFrequency, smallestSegmentFrequency), clamped(options.minLength, smallestSegmentLength),
            options.maxLength ? static_cast<SuffixIndex>(std::clamp(*options.maxLength, std::int64_t{0}, most))
                              : std::numeric_limits<SuffixIndex>::max(),
            options.maximalOnly};
}

constexpr bool isTerminator(char c)
{
    return c == '.' || c == '?' || c == '!';
}

/// Calls visit(symbol, formStart) for each symbol of the text's occurrences, sentences
/// separated: formStart is where the form a symbol stands for starts in text (the form is as
/// long as its symbol's form), 0 for a separator. A run of fewer than two forms between
/// separators holds no segment and is left out.
///
/// Two forms are in different sentences when a terminator comes between them (see
/// forEachSentence). The form numbers say how long each form is, so only the characters
/// between forms are read.
template <class Visit>
void forEachSymbol(std::string_view text, const TokenizedText& tokens, const Symbols& symbols, Visit visit)
{
    std::vector<std::size_t> formSizes(tokens.distinctCount());
    for (FormTable::Id id = 0; id < formSizes.size(); ++id)
        formSizes[id] = tokens.forms.form(id).size();

    // A run is kept once it has two forms: its first form waits for the second. Each
    // separator ends a run of two forms or more.
    std::size_t runLength = 0;
    std::uint32_t firstSymbol = separator;
    std::size_t firstStart = 0;
    const auto endRun = [&] {
        if (runLength >= 2)
            visit(separator, std::size_t{0});
        runLength = 0;
    };
    const Alphabet& alphabet = Alphabet::of(tokens.letters);
    std::size_t position = 0;
    CancellationCountdown countdown;
    for (const FormTable::Id id : tokens.tokens) {
        countdown.countItem();
        bool sentenceEnds = false;
        for (; position < text.size() && !alphabet.isLetter(text[position]); ++position)
            sentenceEnds = sentenceEnds || isTerminator(text[position]);
        const std::uint32_t symbol = symbols.ofForm[id];
        if (sentenceEnds || symbol == separator)
            endRun();
        if (symbol != separator) {
            if (++runLength == 1) {
                firstSymbol = symbol;
                firstStart = position;
            } else {
                if (runLength == 2)
                    visit(firstSymbol, firstStart);
                visit(symbol, position);
            }
        }
        position += formSizes[id];
    }
    endRun();
}

/// The symbols of forEachSymbol, ended by the sentinel.
template <class Symbol>
std::vector<Symbol> symbolSequence(std::string_view text, const TokenizedText& tokens, const Symbols& symbols)
{
    const std::size_t formCount = tokens.tokens.size();
    std::vector<Symbol> sequence;
    sequence.reserve(formCount + formCount / 2 + 1);
    forEachSymbol(text, tokens, symbols,
                  [&sequence](std::uint32_t symbol, std::size_t) { sequence.push_back(static_cast<Symbol>(symbol)); });
    sequence.push_back(static_cast<Symbol>(sentinel));
    if (sequence.size() > longestSuffixSequence)
        throw std::length_error("too many forms for repeated segments");
    return sequence;
}

/// For each form symbol, a number from 1 that follows the alphabetical order of the forms and
/// that forms of the same letters share (see FrenchCollator::sameLetters).
std::vector<std::uint32_t> letterGroups(const TokenizedText& tokens, const Symbols& symbols)
{
    const FrenchCollator& collator = FrenchCollator::instance();
    std::vector<std::uint32_t> group(symbols.alphabetSize(), 0);
    std::uint32_t current = 0;
    const std::string* previous = nullptr;
    for (const FormTable::Id id : tokens.alphabetical) {
        const std::uint32_t symbol = symbols.ofForm[id];
        if (symbol == separator)
            continue;
        const std::string& form = tokens.forms.form(id);
        if (!previous || !collator.sameLetters(*previous, form))
            ++current;
        group[symbol] = current;
        previous = &form;
    }
    return group;
}

/// A segment as the walk of the suffix array finds it.
struct FoundSegment {
    SuffixIndex position; ///< where its first occurrence starts in the sequence
    SuffixIndex length;
    SuffixIndex frequency;
};

/// The segments found, in blocks that grow to a few megabytes each: while the suffix array is
/// held, the list is never copied whole as a growing vector's would be.
class FoundSegments {
public:
    void push_back(const FoundSegment& segment)
    {
        if (blocks_.empty() || blocks_.back().size() == blocks_.back().capacity()) {
            blocks_.emplace_back();
            blocks_.back().reserve(std::clamp(size_, smallestBlock, largestBlock));
        }
        blocks_.back().push_back(segment);
        ++size_;
    }

    std::size_t size() const { return size_; }

    /// Calls look with each segment in the order found.
    template <class Look>
    void forEach(Look look) const
    {
        for (const std::vector<FoundSegment>& block : blocks_)
            for (const FoundSegment& segment : block)
                look(segment);
    }

    /// Calls take with each segment in the order found, each block let go once read.
    template <class Take>
    void drain(Take take)
    {
        for (std::vector<FoundSegment>& block : blocks_) {
            for (const FoundSegment& segment : block)
                take(segment);
            std::vector<FoundSegment>().swap(block);
        }
        blocks_.clear();
        size_ = 0;
    }

private:
    static constexpr std::size_t smallestBlock = 1024;
    static constexpr std::size_t largestBlock = (std::size_t{8} << 20) / sizeof(FoundSegment);

    std::vector<std::vector<FoundSegment>> blocks_;
    std::size_t size_ = 0;
};

/// Where the segments found first occur in the text: the byte at which the form starts, for
/// each position of the sequence where a segment found starts or ends. The positions are
/// marked in a bit set and read in one more walk of the text, once the segments are found;
/// a position's rank among the marked ones, counted by words of the set, finds its byte.
class FirstOccurrences {
public:
    FirstOccurrences(std::string_view text, const TokenizedText& tokens, const Symbols& symbols,
                     std::size_t sequenceSize, const FoundSegments& found)
        : marked_(sequenceSize / bitsPerWord + 1, 0)
    {
        const auto mark = [this](SuffixIndex position) { marked_[position / bitsPerWord] |= bitOf(position); };
        CancellationCountdown countdown;
        found.forEach([&](const FoundSegment& segment) {
            countdown.countItem();
            mark(segment.position);
            mark(segment.position + segment.length - 1);
        });
        markedBefore_.reserve(marked_.size());
        std::uint32_t count = 0;
        for (const std::uint64_t word : marked_) {
            markedBefore_.push_back(count);
            count += static_cast<std::uint32_t>(std::popcount(word));
        }
        formStarts_.reserve(count);
        SuffixIndex position = 0;
        forEachSymbol(text, tokens, symbols, [&](std::uint32_t, std::size_t formStart) {
            if (marked_[position / bitsPerWord] & bitOf(position))
                formStarts_.push_back(formStart);
            ++position;
        });
    }

    /// Where the form at a start or end position of a segment found starts in the text.
    std::size_t formStart(SuffixIndex position) const
    {
        const std::uint64_t earlier = marked_[position / bitsPerWord] & (bitOf(position) - 1);
        return formStarts_[markedBefore_[position / bitsPerWord] + static_cast<std::uint32_t>(std::popcount(earlier))];
    }

private:
    static constexpr SuffixIndex bitsPerWord = 64;
    static std::uint64_t bitOf(SuffixIndex position) { return std::uint64_t{1} << (position % bitsPerWord); }

    std::vector<std::uint64_t> marked_;
    std::vector<std::uint32_t> markedBefore_; ///< per word, the positions marked in the words before
    std::vector<std::size_t> formStarts_;     ///< per marked position, in order
};

/// A segment with what orders it, and where its texts start in the report's texts.
///
/// Within a frequency and a length, segments are in the order of their texts, which is first
/// that of the letters of their forms, form by form: a space sorts before every letter, so the
/// letters of two texts first differ where those of two of their forms do, or where one form
/// ends before the other. Each form is numbered by its letters (see letterGroups), and the
/// numbers of a segment's first forms packed in one integer order most segments without
/// their texts; only those that share them are collated whole.
struct RankedSegment {
    std::uint64_t rank;    ///< smaller for more frequent segments, then for longer ones
    std::uint64_t letters; ///< the letter numbers of its first forms, packed
    std::size_t textStart; ///< its forms, then its first occurrence as written (see SegmentRanking)

    SuffixIndex frequency() const { return most - static_cast<SuffixIndex>(rank >> 32); }
    SuffixIndex length() const { return most - static_cast<SuffixIndex>(rank); }
    bool sameOrder(const RankedSegment& other) const { return rank == other.rank && letters == other.letters; }

    static constexpr SuffixIndex most = std::numeric_limits<SuffixIndex>::max();
};

/// Ranks the segments found and writes their texts, in the order found: the occurrences of
/// the segments of one interval of the suffix array are read once for all of them.
template <class Symbol>
class SegmentRanking {
public:
    SegmentRanking(std::span<const Symbol> sequence, const std::vector<std::uint32_t>& letterGroups,
                   const std::vector<std::string_view>& forms, std::string_view text, LetterRule letters,
                   const FirstOccurrences& firstOccurrences)
        : sequence_(sequence)
        , letterGroups_(letterGroups)
        , forms_(forms)
        , text_(text)
        , letters_(letters)
        , firstOccurrences_(firstOccurrences)
        , bitsPerGroup_(std::max(1, static_cast<int>(std::bit_width(std::ranges::max(letterGroups)))))
        , groupsPerKey_(static_cast<SuffixIndex>(64 / bitsPerGroup_))
    {
    }

    /// The segment ranked; its forms joined by spaces are appended to texts, then its first
    /// occurrence as the text writes it, each ended by a zero byte (which no text holds).
    RankedSegment operator()(const FoundSegment& segment, std::string& texts) const
    {
        std::uint64_t letters = 0;
        const SuffixIndex packed = std::min(segment.length, groupsPerKey_);
        const Symbol* const symbols = sequence_.data() + segment.position;
        for (SuffixIndex offset = 0; offset < packed; ++offset)
            letters |= std::uint64_t{letterGroups_[symbols[offset]]}
                << (64 - bitsPerGroup_ * static_cast<int>(offset + 1));
        const std::size_t textStart = texts.size();
        texts.resize(textStart + formsSize(segment));
        char* written = texts.data() + textStart;
        for (SuffixIndex offset = 0; offset < segment.length; ++offset) {
            const std::string_view form = forms_[symbols[offset]];
            written = std::copy(form.begin(), form.end(), written);
            *written++ = offset + 1 < segment.length ? ' ' : '\0';
        }
        appendWrittenInLowerCase(texts, firstWritten(segment), letters_);
        texts += '\0';
        constexpr SuffixIndex most = RankedSegment::most;
        return {std::uint64_t{most - segment.frequency} << 32 | (most - segment.length), letters, textStart};
    }

    /// The most bytes operator() appends to texts for segment: its first occurrence may be
    /// written shorter, its runs of blanks made one.
    std::size_t largestTextSize(const FoundSegment& segment) const
    {
        return formsSize(segment) + firstWritten(segment).size() + 1;
    }

private:
    /// Its forms, each followed by a space but the last, followed by a zero.
    std::size_t formsSize(const FoundSegment& segment) const
    {
        const Symbol* const symbols = sequence_.data() + segment.position;
        std::size_t size = segment.length;
        for (SuffixIndex offset = 0; offset < segment.length; ++offset)
            size += forms_[symbols[offset]].size();
        return size;
    }

    /// Its first occurrence as the text writes it.
    std::string_view firstWritten(const FoundSegment& segment) const
    {
        const SuffixIndex last = segment.position + segment.length - 1;
        const std::size_t writtenStart = firstOccurrences_.formStart(segment.position);
        const std::size_t writtenEnd = firstOccurrences_.formStart(last) + forms_[sequence_[last]].size();
        return text_.substr(writtenStart, writtenEnd - writtenStart);
    }

    std::span<const Symbol> sequence_;
    const std::vector<std::uint32_t>& letterGroups_;
    const std::vector<std::string_view>& forms_; ///< the form of each symbol
    std::string_view text_;
    LetterRule letters_;
    const FirstOccurrences& firstOccurrences_;
    int bitsPerGroup_;
    SuffixIndex groupsPerKey_;
};

/// The segments within bounds, each once, in the order of the suffix array.
///
/// Neighbouring suffixes in the suffix array share a prefix; the suffixes that share one of a
/// given length at least form an interval of the array, and these intervals nest as a tree.
/// A stack walk of the array meets each interval once, when it closes: the segments it stands
/// for are the prefixes longer than its parent's and up to its own common length, each with
/// one occurrence per suffix of the interval, the first of them at the smallest position of
/// its suffixes. Only the longest of them may be maximal (the
/// shorter ones are all followed by the same form), and it is when the forms before its
/// occurrences are not all the same one: some occurrence starts its run, or two neighbours in
/// the interval are preceded by different forms.
template <class Symbol>
FoundSegments findSegments(std::span<const Symbol> sequence, std::size_t alphabetSize, const Bounds& bounds)
{
    const std::vector<SuffixIndex> suffixes = suffixArray(sequence, alphabetSize);
    const CommonPrefixLengths shared = commonPrefixLengths(sequence, suffixes, firstFormSymbol);
    const auto size = static_cast<SuffixIndex>(suffixes.size());

    // The last slot whose suffix no form precedes, plus one (0: none yet), and the last slot
    // preceded by another form than the slot before it (0: none yet).
    SuffixIndex lastUnprecededEnd = 0;
    SuffixIndex lastChange = 0;
    std::uint32_t previousLeft = separator;
    const auto noteLeft = [&](SuffixIndex slot) {
        const SuffixIndex position = suffixes[slot];
        const std::uint32_t left = position == 0 ? separator : sequence[position - 1];
        if (left < firstFormSymbol)
            lastUnprecededEnd = slot + 1;
        if (slot > 0 && left != previousLeft)
            lastChange = slot;
        previousLeft = left;
    };

    FoundSegments found;
    const auto close = [&](SuffixIndex length, SuffixIndex parentLength, SuffixIndex first, SuffixIndex last,
                           SuffixIndex firstPosition) {
        const SuffixIndex frequency = last - first + 1;
        const SuffixIndex shortest = std::max(parentLength + 1, bounds.minLength);
        const SuffixIndex longest = std::min(length, bounds.maxLength);
        if (frequency < bounds.minFrequency || shortest > longest)
            return;
        if (bounds.maximalOnly) {
            if (length == longest && (lastUnprecededEnd > first || lastChange > first))
                found.push_back({firstPosition, length, frequency});
            return;
        }
        for (SuffixIndex segmentLength = shortest; segmentLength <= longest; ++segmentLength)
            found.push_back({firstPosition, segmentLength, frequency});
    };

    // An interval's smallest position is gathered as the walk goes: each slot's suffix counts
    // in the innermost interval open, and a closed interval hands its smallest to its parent.
    struct Open {
        SuffixIndex length;        ///< the common prefix length of the interval's suffixes
        SuffixIndex first;         ///< its first slot
        SuffixIndex firstPosition; ///< the smallest position of its suffixes met so far
    };
    std::vector<Open> open{{0, 0, std::numeric_limits<SuffixIndex>::max()}};
    if (bounds.maximalOnly && size > 0)
        noteLeft(0);
    for (SuffixIndex slot = 1; slot <= size; ++slot) {
        stopIfCancelledEveryChunk(slot);
        const SuffixIndex length = slot < size ? shared[suffixes[slot]] : 0;
        SuffixIndex first = slot - 1;
        SuffixIndex firstPosition = suffixes[slot - 1];
        open.back().firstPosition = std::min(open.back().firstPosition, firstPosition);
        while (length < open.back().length) {
            const Open closed = open.back();
            open.pop_back();
            close(closed.length, std::max(length, open.back().length), closed.first, slot - 1, closed.firstPosition);
            open.back().firstPosition = std::min(open.back().firstPosition, closed.firstPosition);
            first = closed.first;
            firstPosition = closed.firstPosition;
        }
        if (length > open.back().length)
            open.push_back({length, first, firstPosition});
        if (bounds.maximalOnly && slot < size)
            noteLeft(slot);
    }
    return found;
}

/// Sorts the segments by rank, then by letters: a radix sort, least significant byte first,
/// that passes over the bytes all segments share (most bytes of the ranks).
void sortByRank(std::vector<RankedSegment>& ranked)
{
    constexpr int keyBytes = 16;
    constexpr std::size_t byteValues = 256;
    const auto byteOf = [](const RankedSegment& segment, int index) {
        const std::uint64_t word = index < keyBytes / 2 ? segment.letters : segment.rank;
        return static_cast<std::size_t>((word >> (8 * (index % (keyBytes / 2)))) & 0xFF);
    };
    std::vector<std::array<std::size_t, byteValues>> counts(keyBytes);
    CancellationCountdown countdown;
    for (const RankedSegment& segment : ranked) {
        countdown.countItem();
        for (int index = 0; index < keyBytes; ++index)
            ++counts[static_cast<std::size_t>(index)][byteOf(segment, index)];
    }
    std::unique_ptr<RankedSegment[]> spare;
    RankedSegment* from = ranked.data();
    for (int index = 0; index < keyBytes; ++index) {
        std::array<std::size_t, byteValues>& starts = counts[static_cast<std::size_t>(index)];
        if (std::ranges::find(starts, ranked.size()) != starts.end())
            continue;
        std::size_t start = 0;
        for (std::size_t& count : starts)
            start += std::exchange(count, start);
        if (!spare)
            spare = std::make_unique_for_overwrite<RankedSegment[]>(ranked.size());
        RankedSegment* const to = from == ranked.data() ? spare.get() : ranked.data();
        for (const RankedSegment* segment = from; segment != from + ranked.size(); ++segment) {
            countdown.countItem();
            to[starts[byteOf(*segment, index)]++] = *segment;
        }
        from = to;
    }
    if (from != ranked.data())
        forEachChunkUnlessCancelled(ranked.size(), [&](std::size_t begin, std::size_t end) {
            std::copy(from + begin, from + end, ranked.data() + begin);
        });
}

template <class Symbol>
RepeatedSegmentsReport segmentsOf(std::string_view text, const TokenizedText& tokens, const Symbols& symbols,
                                  const SegmentOptions& options)
{
    RepeatedSegmentsReport report;
    report.tokenCount = tokens.tokenCount();
    report.options = options;
    auto texts = std::make_shared<std::string>();
    report.texts = texts;

    // Once the suffix array is let go, each segment is ranked and its text written, and then
    // the sequence is let go too.
    std::vector<RankedSegment> ranked;
    {
        const std::vector<Symbol> sequence = symbolSequence<Symbol>(text, tokens, symbols);
        std::vector<std::string_view> forms(symbols.alphabetSize());
        for (std::uint32_t symbol = firstFormSymbol; symbol < forms.size(); ++symbol)
            forms[symbol] = tokens.forms.form(symbols.form(symbol));
        const std::vector<std::uint32_t> groups = letterGroups(tokens, symbols);
        FoundSegments found = findSegments<Symbol>(sequence, symbols.alphabetSize(), boundsOf(options));
        const FirstOccurrences firstOccurrences(text, tokens, symbols, sequence.size(), found);
        const SegmentRanking<Symbol> rank(sequence, groups, forms, text, tokens.letters, firstOccurrences);
        ranked.reserve(found.size());
        // The texts' buffer made once at its largest: grown as the texts come, each time it
        // doubled it would copy hundreds of megabytes in one step.
        std::size_t textsSize = 0;
        CancellationCountdown countdown;
        found.forEach([&](const FoundSegment& segment) {
            countdown.countItem();
            textsSize += rank.largestTextSize(segment);
        });
        texts->reserve(textsSize);
        found.drain([&](const FoundSegment& segment) {
            countdown.countItem();
            ranked.push_back(rank(segment, *texts));
        });
    }
    sortByRank(ranked);

    std::vector<std::pair<std::size_t, std::size_t>> sameLetters; // runs of segments, [first, end)
    for (std::size_t index = 1; index < ranked.size(); ++index) {
        stopIfCancelledEveryChunk(index);
        if (!ranked[index - 1].sameOrder(ranked[index]))
            continue;
        if (sameLetters.empty() || sameLetters.back().second != index)
            sameLetters.emplace_back(index - 1, index);
        sameLetters.back().second = index + 1;
    }
    // The ranks let go before the segments are made: of a large text, both would weigh.
    struct Counts {
        SuffixIndex frequency;
        SuffixIndex length;
        std::size_t textStart;
    };
    std::vector<Counts> counts;
    counts.reserve(ranked.size());
    CancellationCountdown countdown;
    for (const RankedSegment& segment : ranked) {
        countdown.countItem();
        counts.push_back({segment.frequency(), segment.length(), segment.textStart});
    }
    std::vector<RankedSegment>().swap(ranked);
    report.segments.reserve(counts.size());
    for (const Counts& segment : counts) {
        countdown.countItem();
        const std::string_view forms(texts->data() + segment.textStart);
        report.segments.push_back(
            {forms, std::string_view(forms.data() + forms.size() + 1), segment.frequency, segment.length});
    }
    std::vector<Counts>().swap(counts);

    // Segments of the same letters as far as their numbers go, in the order of their texts.
    const FrenchCollator& collator = FrenchCollator::instance();
    std::vector<std::string_view> runTexts;
    std::vector<RepeatedSegment> run;
    for (const auto& [first, end] : sameLetters) {
        stopIfCancelled(); // once a run: collating its texts takes microseconds
        run.assign(report.segments.begin() + static_cast<std::ptrdiff_t>(first),
                   report.segments.begin() + static_cast<std::ptrdiff_t>(end));
        runTexts.clear();
        for (const RepeatedSegment& segment : run)
            runTexts.push_back(segment.forms);
        const std::vector<std::size_t> order = collator.order(runTexts);
        for (std::size_t place = 0; place < order.size(); ++place)
            report.segments[first + place] = run[order[place]];
    }
    return report;
}

} // namespace

RepeatedSegmentsReport repeatedSegments(std::string_view text, const TokenizedText& tokens,
                                        const SegmentOptions& options)
{
    const Symbols symbols = numberForms(tokens, boundsOf(options).minFrequency);
    // Two bytes a symbol while the forms allow it: the sequence is read at random throughout.
    if (symbols.alphabetSize() <= std::size_t{std::numeric_limits<std::uint16_t>::max()} + 1)
        return segmentsOf<std::uint16_t>(text, tokens, symbols, options);
    return segmentsOf<std::uint32_t>(text, tokens, symbols, options);
}

RepeatedSegmentsReport repeatedSegments(std::string_view text, const SegmentOptions& options)
{
    return repeatedSegments(text, tokenize(text), options);
}

std::vector<std::size_t> repeatedSegmentOrder(const RepeatedSegmentsReport& report, SegmentOrder order)
{
    std::vector<std::size_t> places(report.segments.size());
    std::iota(places.begin(), places.end(), std::size_t{0});
    switch (order) {
    case SegmentOrder::Frequency:
        break;
    case SegmentOrder::Alphabetical: {
        std::vector<std::string_view> texts;
        texts.reserve(report.segments.size());
        for (const RepeatedSegment& segment : report.segments)
            texts.push_back(segment.forms);
        return FrenchCollator::instance().order(texts);
    }
    case SegmentOrder::Length:
        std::ranges::stable_sort(places, std::ranges::greater{},
                                 [&report](std::size_t place) { return report.segments[place].length; });
        break;
    }
    return places;
}

} // namespace quorvelle
