// Repeated segments: runs of consecutive forms within a sentence attested more than once.
#pragma once

#include "core/text/tokenized_text.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvelle {

/// A segment has two forms or more, and a repeated one two occurrences or more.
inline constexpr std::int64_t smallestSegmentLength = 2;
inline constexpr std::int64_t smallestSegmentFrequency = 2;

/// Which repeated segments a report lists.
struct SegmentOptions {
    std::int64_t minFrequency = smallestSegmentFrequency; ///< the fewest occurrences; never below 2
    std::int64_t minLength = smallestSegmentLength;       ///< the fewest forms; never below 2
    std::optional<std::int64_t> maxLength = 8;            ///< the most forms; none: no bound
    /// Only the maximal segments: those that are not always part of one same longer segment,
    /// that is whose occurrences are neither all preceded by one same form nor all followed by
    /// one. Maximality is a property of the segment in the text: a segment longer than
    /// maxLength still makes its parts not maximal.
    bool maximalOnly = false;

    friend bool operator==(const SegmentOptions&, const SegmentOptions&) = default;
};

/// A repeated segment. Its texts are views into its report's texts.
struct RepeatedSegment {
    std::string_view forms; ///< its forms, lower-cased, joined by one space: what is compared
    /// Its first occurrence as the text writes it, from its first form to its last, in lower
    /// case and on one line ("qu'il", "et l'on"; see writtenInLowerCase).
    std::string_view written;
    std::int64_t frequency = 0; ///< its occurrences, overlapping ones included ("a a a" holds "a a" twice)
    std::int64_t length = 0;    ///< its number of forms

    friend bool operator==(const RepeatedSegment&, const RepeatedSegment&) = default;
};

/// The repeated segments of a text: sequences of two or more consecutive forms within one
/// sentence (cut as the sentence lengths cut them), compared lower-cased, attested at least
/// twice. Copies share the texts, which never change.
struct RepeatedSegmentsReport {
    std::int64_t tokenCount = 0; ///< N
    SegmentOptions options;      ///< the segments it lists
    /// By decreasing frequency, then decreasing length (the longer segment says more of the
    /// text), then alphabetical order of their forms (see FrenchCollator).
    std::vector<RepeatedSegment> segments;
    std::shared_ptr<const std::string> texts; ///< the segments' texts, each ended by a zero byte

    friend bool operator==(const RepeatedSegmentsReport& left, const RepeatedSegmentsReport& right)
    {
        return left.tokenCount == right.tokenCount && left.options == right.options && left.segments == right.segments;
    }
};

/// The repeated segments of text, tokenized with its occurrences kept, as options choose them.
///
/// The forms are numbered, sentence ends and the forms too rare to be repeated enough turned
/// into separators, and the suffixes of that sequence sorted (a suffix array): the segments
/// are the nodes of the tree that the common prefixes of neighbouring suffixes draw, each
/// met once with its number of occurrences. Time linear in the forms and the listing, and
/// about eight bytes per form beside the listing itself. Throws std::length_error when the
/// forms and the sentence ends number 2^32 − 1 or more, beyond the suffix array's 32 bits.
RepeatedSegmentsReport repeatedSegments(std::string_view text, const TokenizedText& tokens,
                                        const SegmentOptions& options = {});
RepeatedSegmentsReport repeatedSegments(std::string_view text, const SegmentOptions& options = {});

/// The orders a listing of segments may take besides the report's own.
enum class SegmentOrder {
    Frequency,    ///< the report's order
    Alphabetical, ///< alphabetical order of the forms
    Length,       ///< decreasing length, then the report's order
};

/// The places of the report's segments in the given order.
std::vector<std::size_t> repeatedSegmentOrder(const RepeatedSegmentsReport& report, SegmentOrder order);

} // namespace quorvelle
