// The forms distributed by how often a key occurs in them: the scheme shared by the
// statistics of letters, doubled letters and pairs of adjacent letters.
#pragma once

#include "core/text/vocabulary.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorvelle {

struct TokenizedText;

/// The forms in which a key occurs exactly `occurrences` times.
struct OccurrenceRow {
    std::int64_t occurrences = 0; ///< how many times the key occurs in each of these forms
    std::int64_t formCount = 0;   ///< forms of the text, every occurrence counted
    /// The forms of the row: the distinct lower-cased forms in alphabetical order, each with
    /// its attestations in the text; they add up to formCount.
    std::vector<FormCount> forms;

    friend bool operator==(const OccurrenceRow&, const OccurrenceRow&) = default;
};

/// One key and its rows, in increasing number of occurrences.
struct KeyRows {
    std::string key; ///< the key's letters, lower-cased: "e", "ll", "ch"
    std::vector<OccurrenceRow> rows;

    friend bool operator==(const KeyRows&, const KeyRows&) = default;
};

/// Every key that occurs in some form, each with its rows, in the order each report below gives.
struct KeyDistribution {
    std::vector<KeyRows> keys;
};

/// Keys are lower-cased letters, counted at every position of a form. The keys come in
/// French alphabetical order.
struct LetterReport : KeyDistribution { };

/// Keys are letters written twice: a doubling of l at position i when the lower-cased
/// characters i and i + 1 are both l, so lll holds two. The keys come in increasing
/// code of their letter in code page 1252, each written twice ("ll").
struct DoubledLetterReport : KeyDistribution { };

/// Keys are two adjacent lower-cased letters of a form, overlapping (aaa holds aa twice).
/// The keys come in French alphabetical order of their two letters.
struct LetterPairReport : KeyDistribution { };

LetterReport letterReport(std::string_view text);
LetterReport letterReport(const TokenizedText& text);

DoubledLetterReport doubledLetterReport(std::string_view text);
DoubledLetterReport doubledLetterReport(const TokenizedText& text);

LetterPairReport letterPairReport(std::string_view text);
LetterPairReport letterPairReport(const TokenizedText& text);

} // namespace quorvelle
