// The data of the chart windows: collection, filtering, labels, reversal and grids.
#include "core/chart_data.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvelle {
namespace {

using Grid = std::vector<std::vector<std::string>>;

// The grid recomputes the percentages from the numbers of forms, with the separator given.
TEST(LengthChart, ChartsInReverseOrderWithLabelsAfterTwoBlanks)
{
    // Rows of 5, 3 and 4 characters, in that order, with 2, 1 and 1 forms.
    const ChartTable table = collectLengthRows({{2, 5, 50.0}, {1, 3, 25.0}, {1, 4, 25.0}});
    EXPECT_EQ(table.columns, 3u);
    const ChartContent content = buildLengthChart(table, ',');
    EXPECT_EQ(content.bars, (std::vector<ChartBar>{{"  4", 1}, {"  3", 1}, {"  5", 2}}));
    EXPECT_EQ(content.gridRows, (Grid{{"5", "2", "50"}, {"3", "1", "25"}, {"4", "1", "25"}}));
    const ChartTable eighths = collectLengthRows({{1, 3, {}}, {7, 2, {}}});
    EXPECT_EQ(buildLengthChart(eighths, ',').gridRows, (Grid{{"3", "1", "12,5"}, {"2", "7", "87,5"}}));
    EXPECT_EQ(buildLengthChart(eighths, '.').gridRows[0][2], "12.5");
}

// A zero deviation goes into both frequency charts, whose rows are numbered separately.
// Letter labels have no prefix, frequency and slice labels one blank; a zero count stays in
// the grid only, and no row gives an empty chart.
TEST(CountCharts, DeviationsLettersSlicesAndNoRow)
{
    const std::vector<DeviationChartRow> rows{{3, 1, 1.8}, {2, 2, 0.0}, {1, 5, -0.2}};
    const ChartContent positive = buildCountChart(collectDeviationRows(rows, DeviationSide::Positive), numberLabelPrefix);
    const ChartContent negative = buildCountChart(collectDeviationRows(rows, DeviationSide::Negative), numberLabelPrefix);
    EXPECT_EQ(positive.bars, (std::vector<ChartBar>{{" 3", 1}, {" 2", 2}}));
    EXPECT_EQ(positive.gridRows, (Grid{{"1", "3", "1"}, {"2", "2", "2"}}));
    EXPECT_EQ(negative.bars, (std::vector<ChartBar>{{" 2", 2}, {" 1", 5}}));
    EXPECT_EQ(negative.gridRows, (Grid{{"1", "2", "2"}, {"2", "1", "5"}}));
    const ChartContent letters =
        buildCountChart(collectLetterRows({{"e", 1}, {"s", 0}, {"\xE0", 3}}), letterLabelPrefix);
    EXPECT_EQ(letters.bars, (std::vector<ChartBar>{{"e", 1}, {"\xE0", 3}}));
    EXPECT_EQ(letters.gridRows, (Grid{{"1", "e", "1"}, {"2", "s", "0"}, {"3", "\xE0", "3"}}));
    const ChartContent slices = buildCountChart(collectSliceRows({{1, 60}, {2, 0}, {3, 12}}), numberLabelPrefix);
    EXPECT_EQ(slices.bars, (std::vector<ChartBar>{{" 1", 60}, {" 3", 12}}));
    EXPECT_EQ(slices.gridRows.size(), 3u);
    const ChartContent empty = buildCountChart(collectSliceRows({}), numberLabelPrefix);
    EXPECT_TRUE(empty.bars.empty() && empty.gridRows.empty());
    EXPECT_TRUE(buildLengthChart(collectLengthRows({}), ',').bars.empty());
}

} // namespace
} // namespace quorvelle
