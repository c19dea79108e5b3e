// The chart windows' tables: the percentages of the length grid, recomputed under the
// separator given, and rows past the 255 a chart once stopped at. The rows, bars, labels and
// sides of every chart show in the chart windows' tests.
#include "core/presentation/chart_data.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace quorvelle {
namespace {

TEST(LengthChart, PercentagesUnderEitherSeparator)
{
    const std::vector<LengthChartRow> eighths{{1, 3}, {7, 2}};
    const ChartRows chart = lengthChart(eighths, ',');
    EXPECT_EQ(chart.rows[0].cells, (std::array<std::string, 3>{"3", "1", "12,5"}));
    EXPECT_EQ(chart.rows[1].cells, (std::array<std::string, 3>{"2", "7", "87,5"}));
    EXPECT_EQ(lengthChart(eighths, '.').rows[0].cells[2], "12.5");
    EXPECT_TRUE(lengthChart({}, ',').bars.empty());
}

TEST(CountChart, KeepsRowsBeyond255)
{
    const std::vector<CountChartRow> rows(256, {"1", 1});
    const ChartRows chart = countChart(rows, numberLabelPrefix);
    EXPECT_EQ(chart.bars.size(), 256u);
    EXPECT_EQ(chart.rows.back().cells[0], "256");
}

} // namespace
} // namespace quorvelle
