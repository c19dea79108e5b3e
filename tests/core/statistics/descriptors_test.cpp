// The statistics' descriptors: names that quorvelle-cli can tell apart, and columns whose
// cells are of the kind they declare, which decides how every presentation writes them.
#include "core/statistics/all_statistics.h"
#include "core/statistics/concordance_command.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
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

// Each statistic's figures have distinct ids and JSON keys, a value of the kind their format
// writes, and explanations named as the figure is: an explanation that leaves its name and
// formula to its figure (the richness measures) gets the figure's.
TEST(StatisticsCatalogue, FiguresAreDistinctAndExplainedUnderTheirName)
{
    const ExplanationNumbers numbers(',');
    const AnalysedTexts texts("Le chat et le chien. Le chat dort.", "Le chien dort.");
    forEachStatistic([&](auto statistic) {
        using Statistic = decltype(statistic);
        if constexpr (requires { Statistic::figures; }) {
            const auto report = Statistic::report(texts);
            const auto& subject = figureSubject(report);
            std::set<std::string_view> ids, keys;
            for (const auto& figure : Statistic::figures) {
                EXPECT_TRUE(ids.insert(figure.id).second) << figure.id;
                EXPECT_TRUE(figure.jsonKey.empty() || keys.insert(figure.jsonKey).second) << figure.jsonKey;
                EXPECT_EQ(std::holds_alternative<std::int64_t>(figure.value(subject)),
                          figure.format == FigureFormat::Count)
                    << figure.id;
                if (figure.explain) {
                    const FigureExplanation explanation = figure.explained(subject, numbers);
                    EXPECT_FALSE(explanation.figure.empty()) << figure.id;
                    EXPECT_FALSE(explanation.formula.empty()) << figure.id;
                }
            }
        }
    });
    const FigureExplanation yule = RichnessStatistic::measures[3].explained(richnessReport("le chat"), numbers);
    EXPECT_EQ(yule.figure, "Caractéristique K de Yule");
    EXPECT_EQ(yule.formula, "10⁴ × (Σ i² V(i) − N) / N²");
}

} // namespace
} // namespace quorvelle
