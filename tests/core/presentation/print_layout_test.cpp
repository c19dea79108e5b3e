// Paging of the printed vocabulary list.
#include "core/presentation/print_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace quorvelle {
namespace {

// A vocabulary grid as the window holds it: header, one row per form, a trailing empty row.
std::vector<GridRow> gridOf(std::size_t forms)
{
    std::vector<GridRow> grid{{"Formes", "Nombre d'attestations"}};
    for (std::size_t index = 0; index < forms; ++index)
        grid.push_back({std::to_string(index), "1"});
    grid.push_back({"", ""});
    return grid;
}

// The first page holds 67 rows, the later ones 68; the header and the rule open the first
// page only, and trailing blanks go.
TEST(PrintLayout, PagesHeaderAndRule)
{
    const std::pair<std::size_t, std::vector<std::size_t>> cases[] = {
        // forms, rows of each page
        {0, {1}},
        {66, {67}},    // the break falls after the trailing empty row
        {67, {67, 1}}, // only the trailing empty line on the second page
        {67 + 68, {67, 68, 1}},
        {500, {67, 68, 68, 68, 68, 68, 68, 26}},
    };
    for (const auto& [forms, rowsPerPage] : cases) {
        std::vector<std::size_t> rows;
        for (const PrintPage& page : layoutPrintedGrid(gridOf(forms)))
            rows.push_back(static_cast<std::size_t>(std::ranges::count(page, PrintLine::Kind::Row, &PrintLine::kind)));
        EXPECT_EQ(rows, rowsPerPage) << forms << " forms";
    }
    std::vector<GridRow> grid = gridOf(100);
    grid[0] = {"Formes  ", "Nombre d'attestations "};
    grid[1] = {" le  ", "2 "};
    const std::vector<PrintPage> pages = layoutPrintedGrid(grid);
    ASSERT_EQ(pages.size(), 2u);
    ASSERT_GE(pages[0].size(), 3u);
    EXPECT_EQ(pages[0][0].kind, PrintLine::Kind::Header);
    EXPECT_EQ(pages[0][0].left + "|" + pages[0][0].right, "Formes|Nombre d'attestations");
    EXPECT_EQ(pages[0][1].kind, PrintLine::Kind::Rule);
    EXPECT_EQ(pages[0][1].left, std::string(60, '-'));
    EXPECT_EQ(pages[0][2].left + "|" + pages[0][2].right, " le|2");
    EXPECT_EQ(pages[1][0].kind, PrintLine::Kind::Row);
    EXPECT_EQ(pages[1][0].left, "67");
    EXPECT_EQ(pages[1].back().left, "");
}

} // namespace
} // namespace quorvelle
