// Forms by number of characters: how many forms of the text have each length.
#pragma once

#include "core/text/vocabulary.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace quorvelle {

struct TokenizedText;

/// The forms of one length.
struct LengthRow {
    std::int64_t formCount = 0; ///< forms of the text of this length, every occurrence counted
    std::int64_t length = 0;    ///< number of characters
    /// formCount / N × 100 rounded to two decimals. A row exists only for a length that
    /// occurs, so N is never 0 here.
    double percentage = 0;
    /// The forms of the row: its distinct lower-cased forms in alphabetical order, each with
    /// its attestations in the text; they add up to formCount.
    std::vector<FormCount> forms;

    friend bool operator==(const LengthRow&, const LengthRow&) = default;
};

struct LengthReport {
    std::int64_t tokenCount = 0; ///< N, the denominator of every percentage
    std::vector<LengthRow> rows; ///< one per length that occurs, in decreasing length
};

LengthReport lengthReport(std::string_view text);
LengthReport lengthReport(const TokenizedText& text);

/// The columns the rows can be sorted by.
enum class LengthColumn { Percentage, Length, FormCount };
enum class SortDirection { Ascending, Descending };

/// The rows sorted on one column: indexes into report.rows, sorted by the column's value
/// (the rounded percentage for Percentage). The sort always starts again from the
/// decreasing-length order and is stable, so rows with equal values keep decreasing length.
std::vector<std::size_t> sortedRowOrder(const LengthReport& report, LengthColumn column, SortDirection direction);

} // namespace quorvelle
