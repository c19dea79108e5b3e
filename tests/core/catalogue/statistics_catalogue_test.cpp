// The catalogue of statistics: names that quorvelle-cli can tell apart, and columns whose
// cells are of the kind they declare, which decides how every presentation writes them.
#include "core/catalogue/statistics_catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string_view>
#include <variant>

namespace quorvelle {
namespace {

bool holdsKind(const Cell& cell, CellKind kind)
{
    switch (kind) {
    case CellKind::Text:
    case CellKind::LeadingText:
        return std::holds_alternative<std::string_view>(cell);
    case CellKind::Count:
        return std::holds_alternative<std::int64_t>(cell);
    case CellKind::Number:
        return std::holds_alternative<double>(cell)
            || (std::holds_alternative<std::string_view>(cell) && std::get<std::string_view>(cell).empty());
    }
    return false;
}

template <class Row>
void expectCellsOfTheirKind(const TableColumns<Row>& table)
{
    EXPECT_FALSE(table.title.empty());
    for (const Column<Row>& column : table.columns) {
        EXPECT_FALSE(column.heading.empty());
        EXPECT_TRUE(holdsKind(column.cell(Row{}, 0), column.kind)) << table.title << " / " << column.heading;
    }
}

TEST(StatisticsCatalogue, NamesAreDistinctAndTablesHoldCellsOfTheirKind)
{
    std::set<std::string_view> names;
    forEachStatistic([&names](auto statistic) {
        using Statistic = decltype(statistic);
        EXPECT_TRUE(names.insert(Statistic::info.name).second) << Statistic::info.name;
        EXPECT_FALSE(Statistic::info.title.empty());
        EXPECT_EQ(Statistic::info.menuGroup.name.empty(), Statistic::info.menuGroup.caption.empty());
        if constexpr (requires { Statistic::table; })
            expectCellsOfTheirKind(Statistic::table);
    });
    EXPECT_EQ(names.size(), std::tuple_size_v<Statistics>);
    expectCellsOfTheirKind(TableColumns<ConcordanceLine>{"Concordance", concordanceColumns});
}

} // namespace
} // namespace quorvelle
