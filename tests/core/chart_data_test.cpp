// The chart windows' tables: grid rows, bars, labels, reversal and the frequency sides.
#include "core/presentation/chart_data.h"

#include <gtest/gtest.h>

#include <array>

#include <string>
#include <utility>
#include <vector>

namespace quorvelle {
namespace {

using Cells = std::vector<std::array<std::string, 3>>;
using Bars = std::vector<std::pair<std::string, std::string>>;

Cells gridOf(const ChartRows& chart)
{
    Cells cells;
    for (const ChartRow& row : chart.rows)
        cells.push_back(row.cells);
    return cells;
}

// Each bar as its label and its value cell.
Bars barsOf(const ChartRows& chart)
{
    Bars bars;
    for (const std::size_t row : chart.bars)
        bars.emplace_back(chart.rows[row].label, chart.rows[row].cells[chart.valueColumn]);
    return bars;
}

// The grid keeps the window's order and recomputes the percentages with the separator given;
// the chart reverses it, labels after two blanks.
TEST(LengthChart, GridInOrderBarsReversed)
{
    // Rows of 5, 3 and 4 characters, in that order, with 2, 1 and 1 forms.
    const std::vector<LengthChartRow> rows{{2, 5}, {1, 3}, {1, 4}};
    const ChartRows chart = lengthChart(rows, ',');
    EXPECT_EQ(barsOf(chart), (Bars{{"  4", "1"}, {"  3", "1"}, {"  5", "2"}}));
    EXPECT_EQ(gridOf(chart), (Cells{{"5", "2", "50"}, {"3", "1", "25"}, {"4", "1", "25"}}));
    const std::vector<LengthChartRow> eighths{{1, 3}, {7, 2}};
    EXPECT_EQ(gridOf(lengthChart(eighths, ',')), (Cells{{"3", "1", "12,5"}, {"2", "7", "87,5"}}));
    EXPECT_EQ(lengthChart(eighths, '.').rows[0].cells[2], "12.5");
    EXPECT_TRUE(lengthChart({}, ',').bars.empty());
}

// A zero deviation goes into both frequency charts, whose rows are numbered separately.
// Letter labels have no prefix, frequency and slice labels one blank; a zero count stays in
// the grid only, and no row gives an empty chart.
TEST(CountChart, DeviationsLettersSlicesAndNoRow)
{
    const std::vector<DeviationChartRow> rows{{3, 1, 1.8}, {2, 2, 0.0}, {1, 5, -0.2}};
    const ChartRows positive = countChart(deviationSide(rows, DeviationSide::Positive), numberLabelPrefix);
    const ChartRows negative = countChart(deviationSide(rows, DeviationSide::Negative), numberLabelPrefix);
    EXPECT_EQ(barsOf(positive), (Bars{{" 3", "1"}, {" 2", "2"}}));
    EXPECT_EQ(gridOf(positive), (Cells{{"1", "3", "1"}, {"2", "2", "2"}}));
    EXPECT_EQ(barsOf(negative), (Bars{{" 2", "2"}, {" 1", "5"}}));
    EXPECT_EQ(gridOf(negative), (Cells{{"1", "2", "2"}, {"2", "1", "5"}}));
    const std::vector<CountChartRow> letters{{"e", 1}, {"s", 0}, {"\xE0", 3}};
    const ChartRows letterChart = countChart(letters, letterLabelPrefix);
    EXPECT_EQ(barsOf(letterChart), (Bars{{"e", "1"}, {"\xE0", "3"}}));
    EXPECT_EQ(gridOf(letterChart), (Cells{{"1", "e", "1"}, {"2", "s", "0"}, {"3", "\xE0", "3"}}));
    EXPECT_TRUE(countChart({}, numberLabelPrefix).rows.empty());
}

} // namespace
} // namespace quorvelle
