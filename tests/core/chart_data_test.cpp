// The data of the chart windows: collection, filtering, labels, reversal and grids.
#include "core/chart_data.h"

#include <gtest/gtest.h>

namespace quorvelle {
namespace {

using Grid = std::vector<std::vector<std::string>>;

TEST(LengthChart, ChartsInReverseOrderAndRecomputesPercentages)
{
    // Rows of 5, 3 and 4 characters, in that order, with 2, 1 and 1 forms.
    const ChartTable table = collectLengthRows({{2, 5, 50.0}, {1, 3, 25.0}, {1, 4, 25.0}});
    EXPECT_EQ(table.columns, 3u);
    const ChartContent content = buildLengthChart(table, ',');
    EXPECT_EQ(content.bars, (std::vector<ChartBar>{{"  4", 1}, {"  3", 1}, {"  5", 2}}));
    EXPECT_EQ(content.gridRows, (Grid{{"5", "2", "50"}, {"3", "1", "25"}, {"4", "1", "25"}}));
}

TEST(LengthChart, PercentagesUseTheDecimalSeparatorAndRoundHalfToEven)
{
    // 1 form of 32 is 3.125 %, 29 of 32 is 90.625 %: both halves go to the even neighbour.
    std::vector<LengthChartRow> rows{{1, 1, {}}};
    for (std::int64_t length = 2; length <= 4; ++length)
        rows.push_back({length == 4 ? 29 : 1, length, {}});
    const ChartContent content = buildLengthChart(collectLengthRows(rows), ',');
    EXPECT_EQ(content.gridRows.front(), (std::vector<std::string>{"1", "1", "3,12"}));
    EXPECT_EQ(content.gridRows.back(), (std::vector<std::string>{"4", "29", "90,62"}));
    EXPECT_EQ(buildLengthChart(collectLengthRows(rows), '.').gridRows.back()[2], "90.62");
}

TEST(LetterChart, ZeroCountsStayInTheGridButNotInTheChart)
{
    const ChartContent content =
        buildCountChart(collectLetterRows({{"e", 1}, {"s", 0}, {"\xE0", 3}}), letterLabelPrefix);
    EXPECT_EQ(content.bars, (std::vector<ChartBar>{{"e", 1}, {"\xE0", 3}}));
    EXPECT_EQ(content.gridRows, (Grid{{"1", "e", "1"}, {"2", "s", "0"}, {"3", "\xE0", "3"}}));
}

TEST(DeviationCharts, ZeroDeviationGoesIntoBothAndRowsAreNumberedSeparately)
{
    const std::vector<DeviationChartRow> rows{{3, 1, 1.8}, {2, 2, 0.0}, {1, 5, -0.2}};
    const ChartContent positive = buildCountChart(collectDeviationRows(rows, DeviationSide::Positive), numberLabelPrefix);
    const ChartContent negative = buildCountChart(collectDeviationRows(rows, DeviationSide::Negative), numberLabelPrefix);
    EXPECT_EQ(positive.bars, (std::vector<ChartBar>{{" 3", 1}, {" 2", 2}}));
    EXPECT_EQ(positive.gridRows, (Grid{{"1", "3", "1"}, {"2", "2", "2"}}));
    EXPECT_EQ(negative.bars, (std::vector<ChartBar>{{" 2", 2}, {" 1", 5}}));
    EXPECT_EQ(negative.gridRows, (Grid{{"1", "2", "2"}, {"2", "1", "5"}}));
}

TEST(SliceChart, LabelsCarryOneLeadingBlank)
{
    const ChartContent content = buildCountChart(collectSliceRows({{1, 60}, {2, 0}, {3, 12}}), numberLabelPrefix);
    EXPECT_EQ(content.bars, (std::vector<ChartBar>{{" 1", 60}, {" 3", 12}}));
    EXPECT_EQ(content.gridRows.size(), 3u);
}

TEST(Charts, NoRowGivesAnEmptyChart)
{
    EXPECT_TRUE(buildLengthChart(collectLengthRows({}), ',').bars.empty());
    const ChartContent content = buildCountChart(collectSliceRows({}), numberLabelPrefix);
    EXPECT_TRUE(content.bars.empty());
    EXPECT_TRUE(content.gridRows.empty());
}

TEST(Charts, MoreThan255RowsAreAllKept)
{
    std::vector<SliceChartRow> rows;
    for (std::int64_t slice = 1; slice <= 1000; ++slice)
        rows.push_back({slice, slice % 7});
    const ChartContent content = buildCountChart(collectSliceRows(rows), numberLabelPrefix);
    EXPECT_EQ(content.gridRows.size(), 1000u);
    EXPECT_EQ(content.gridRows.back(), (std::vector<std::string>{"1000", "1000", "6"}));
    EXPECT_EQ(content.bars.size(), 1000u - 1000u / 7);
}

} // namespace
} // namespace quorvelle
