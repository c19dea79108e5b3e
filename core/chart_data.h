// The data behind the chart windows: from a statistics window's rows to a table, and from
// the table to the chart's bars and the values grid.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace quorvelle {

/// A cell of the collected table: a label text or a whole number.
using ChartCell = std::variant<std::string, std::int64_t>;

/// The rows collected from a statistics window, one per kept source row, in source order;
/// every row has `columns` cells.
struct ChartTable {
    std::size_t columns = 2;
    std::vector<std::vector<ChartCell>> rows;
};

/// One bar of a chart: its category label and its value.
struct ChartBar {
    std::string label;
    std::int64_t value = 0;

    friend bool operator==(const ChartBar&, const ChartBar&) = default;
};

/// What a chart window shows: the data rows of its values grid (cell texts, first column
/// first; the header row is the window's own) and the bars of its chart, left to right.
struct ChartContent {
    std::vector<std::vector<std::string>> gridRows;
    std::vector<ChartBar> bars;
};

// The rows of the statistics windows that open charts, as those windows list them.

/// A row of the forms-by-length window: number of forms, number of characters, percentage.
struct LengthChartRow {
    std::int64_t forms = 0;
    std::int64_t characters = 0;
    std::optional<double> percentage;
};

/// A row of the start/end letters window for one side: the letter and its count.
struct LetterChartRow {
    std::string letter;
    std::int64_t count = 0;
};

/// A row of the frequencies window: frequency, number of forms, deviation from the mean.
struct DeviationChartRow {
    std::int64_t frequency = 0;
    std::int64_t forms = 0;
    double deviation = 0;
};

/// A row of the enrichment window: slice number and number of new forms.
struct SliceChartRow {
    std::int64_t slice = 0;
    std::int64_t newForms = 0;
};

enum class DeviationSide {
    Positive, ///< rows whose deviation is zero or more
    Negative, ///< rows whose deviation is zero or less
};

/// Label prefixes of the bars: none for letters, one blank for frequencies and slices,
/// two blanks for lengths.
inline constexpr std::string_view letterLabelPrefix = "";
inline constexpr std::string_view numberLabelPrefix = " ";
inline constexpr std::string_view lengthLabelPrefix = "  ";

/// Columns: forms, characters, and the percentage as a whole number (as the window's list
/// text reads once converted); every row, in the window's current order.
ChartTable collectLengthRows(const std::vector<LengthChartRow>& rows);
/// Columns: letter, count; every row.
ChartTable collectLetterRows(const std::vector<LetterChartRow>& rows);
/// Columns: frequency (as text), forms; only the rows on the given side (a deviation of 0
/// is on both).
ChartTable collectDeviationRows(const std::vector<DeviationChartRow>& rows, DeviationSide side);
/// Columns: slice number (as text), new forms; every row.
ChartTable collectSliceRows(const std::vector<SliceChartRow>& rows);

/// The forms-by-length chart: one bar per row, labelled by the number of characters,
/// valued by the number of forms, in the reverse of the table's order (so the default
/// order, longest first, charts from the shortest); the grid keeps the table's order with
/// the columns characters, forms, and the percentage of the total of forms recomputed
/// and written with the given decimal separator.
ChartContent buildLengthChart(const ChartTable& table, char decimalSeparator);

/// The other charts: a bar for each row whose value (second column) is above 0, labelled
/// by the prefix and the first column; a grid row for every table row: its number from 1,
/// then the two columns.
ChartContent buildCountChart(const ChartTable& table, std::string_view labelPrefix);

} // namespace quorvelle
