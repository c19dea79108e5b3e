// Co-occurrences: pairs of forms that follow each other directly, attested more than once.
#pragma once

#include "core/text/form_list.h"
#include "core/text/vocabulary.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace quorvelle {

struct CooccurrenceRow {
    std::int64_t count = 0;     ///< a number of attestations, 2 or more, that some pair has
    std::int64_t pairCount = 0; ///< the number of distinct pairs attested exactly count times
    std::size_t firstPair = 0;  ///< where the row's pairs start in byCount

    friend bool operator==(const CooccurrenceRow&, const CooccurrenceRow&) = default;
};

/// A pair is written "form1 form2": the two forms lower-cased, joined by one space. Pairs
/// run across every separator, punctuation and line ends included. The pairs are held as
/// FormCount entries, the pair text in `form`.
struct CooccurrenceReport {
    std::int64_t tokenCount = 0;       ///< N; the text has N − 1 pair occurrences
    std::vector<FormCount> pairs;      ///< every pair attested twice or more, alphabetical
    std::vector<CooccurrenceRow> rows; ///< one per count that some pair has, increasing
    /// The positions in pairs of the pairs by increasing number of attestations, alphabetical
    /// within a number: the listing "by number of attestations", and the rows' listings one
    /// after the other. Positions rather than copies: a large text has a million pairs.
    std::vector<std::size_t> byCount;

    /// Every pair by number of attestations.
    FormList pairsByCount() const { return {pairs, byCount}; }

    /// The pairs a row stands for, those attested exactly row.count times, alphabetical.
    FormList pairsOf(const CooccurrenceRow& row) const
    {
        return {pairs, std::span(byCount).subspan(row.firstPair, static_cast<std::size_t>(row.pairCount))};
    }

    friend bool operator==(const CooccurrenceReport&, const CooccurrenceReport&) = default;
};

CooccurrenceReport cooccurrenceReport(std::string_view text);
CooccurrenceReport cooccurrenceReport(const TokenizedText& text);

} // namespace quorvelle
