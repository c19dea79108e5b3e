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

// The table in the categories' order, the bars the other way round, none for an empty category.
TEST(CategoryProfileChart, TableInOrderBarsReversed)
{
    const std::vector<CountChartRow> rows = {{"nom", 5}, {"nom propre", 0}, {"verbe", 3}};
    const ChartRows chart = categoryProfileChart(rows);
    EXPECT_EQ(chart.rows[0].cells[1], "nom");
    EXPECT_EQ(chart.bars, (std::vector<std::size_t>{2, 0}));
}

TEST(FactorMap, EveryPartThenTheFormsThatMakeThePlane)
{
    CorrespondenceAnalysis analysis;
    analysis.parts = {{"p1", 0.5, {1, -2, 9}, {0.5, 0.5, 0.5}, {}}, {"p2", 0.5, {-1, 2, 9}, {0.5, 0.5, 0.5}, {}}};
    // On F1 × F2, "b" contributes most (0.2 + 0.7), then "c" (0.5 + 0.1), then "a"; F3 does not count.
    analysis.forms = {{"a", 0.3, {0.5, 0.5, 0}, {0.3, 0.2, 0.9}, {}},
                      {"b", 0.3, {-0.25, -0.5, 0}, {0.2, 0.7, 0}, {}},
                      {"c", 0.4, {0, 0.04, 0}, {0.5, 0.1, 0.1}, {}}};
    const std::vector<FactorMapPoint> points = factorMapPoints(analysis, 0, 1, 2);
    EXPECT_EQ(points,
              (std::vector<FactorMapPoint>{
                  {"p1", 1, -2, true}, {"p2", -1, 2, true}, {"b", -0.25, -0.5, false}, {"c", 0, 0.04, false}}));
    const ChartRows chart = factorMapChart(points, ',');
    EXPECT_EQ(chart.rows[2].cells, (std::array<std::string, 3>{"b", "-0,25", "-0,5"}));
    EXPECT_EQ(chart.bars.size(), 4u);
}

} // namespace
} // namespace quorvelle
