// Paging of the printed vocabulary list.
#include "core/print_layout.h"

#include <gtest/gtest.h>

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

struct PagingCase {
    std::size_t forms;
    std::vector<std::size_t> rowsPerPage;
};

class Paging : public testing::TestWithParam<PagingCase> {};

TEST_P(Paging, FirstPageHoldsSixtySevenRowsLaterPagesSixtyEight)
{
    const std::vector<PrintPage> pages = layoutPrintedGrid(gridOf(GetParam().forms));
    std::vector<std::size_t> rows;
    for (const PrintPage& page : pages) {
        std::size_t count = 0;
        for (const PrintLine& line : page)
            count += line.kind == PrintLine::Kind::Row ? 1 : 0;
        rows.push_back(count);
    }
    EXPECT_EQ(rows, GetParam().rowsPerPage);
}

INSTANTIATE_TEST_SUITE_P(PrintLayout, Paging, testing::Values(
    PagingCase{0, {1}},
    PagingCase{66, {67}},          // the break falls after the trailing empty row
    PagingCase{67, {67, 1}},       // only the trailing empty line on the second page
    PagingCase{67 + 68, {67, 68, 1}},
    PagingCase{500, {67, 68, 68, 68, 68, 68, 68, 26}}
));

TEST(PrintLayout, HeaderAndRuleOpenTheFirstPageOnly)
{
    const std::vector<PrintPage> pages = layoutPrintedGrid(gridOf(100));
    ASSERT_EQ(pages.size(), 2u);
    ASSERT_GE(pages[0].size(), 3u);
    EXPECT_EQ(pages[0][0].kind, PrintLine::Kind::Header);
    EXPECT_EQ(pages[0][0].left, "Formes");
    EXPECT_EQ(pages[0][0].right, "Nombre d'attestations");
    EXPECT_EQ(pages[0][1].kind, PrintLine::Kind::Rule);
    EXPECT_EQ(pages[0][1].left, std::string(60, '-'));
    EXPECT_EQ(pages[0][2].left, "0");
    EXPECT_EQ(pages[1][0].kind, PrintLine::Kind::Row);
    EXPECT_EQ(pages[1][0].left, "67");
    EXPECT_EQ(pages[1].back().left, "");
}

TEST(PrintLayout, TrailingBlanksAreRemoved)
{
    const std::vector<PrintPage> pages = layoutPrintedGrid({{"Formes  ", "Nombre "}, {" le  ", "2 "}});
    EXPECT_EQ(pages[0][0].left, "Formes");
    EXPECT_EQ(pages[0][0].right, "Nombre");
    EXPECT_EQ(pages[0][2].left, " le");
    EXPECT_EQ(pages[0][2].right, "2");
}

} // namespace
} // namespace quorvelle
