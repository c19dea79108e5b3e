// Forms by number of characters: rows, listings and the sort buttons.
#include "core/reports/length_report.h"

#include "core/test_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace quorvelle {
namespace {

std::vector<std::int64_t> lengthsInOrder(const LengthReport& report, LengthColumn column, SortDirection direction)
{
    std::vector<std::int64_t> lengths;
    for (const std::size_t index : sortedRowOrder(report, column, direction))
        lengths.push_back(report.rows.at(index).length);
    return lengths;
}

TEST(LengthReport, RowsInDecreasingLengthWithTheirForms)
{
    // "Le chat dort." shows in the exact output of quorvelle-cli lengths.
    EXPECT_EQ(lengthReport("Le le LE").rows, (std::vector<LengthRow>{{3, 2, 100, {{"le", 3}}}}));
    EXPECT_EQ(lengthReport("abc a a a a a a a").rows.at(0).percentage, 12.5); // 1 form of 8
    // Forms of one and two letters mixed in alphabetical order: each length keeps that order.
    for (const LengthRow& row : lengthReport(test::formsText(26 * 26, 26 * 26)).rows)
        EXPECT_TRUE(std::ranges::is_sorted(row.forms, {}, &FormCount::form)) << row.length;
}

// Lengths 5, 4, 3, 2, 1 hold 1, 2, 1, 2 and 3 forms: equal counts keep decreasing length.
TEST(LengthReport, SortButtonsAreStableFromDecreasingLength)
{
    const LengthReport report = lengthReport("abcde abcd wxyz abc ab cd a b c");
    const struct {
        LengthColumn column;
        SortDirection direction;
        std::vector<std::int64_t> lengths;
    } cases[] = {
        {LengthColumn::FormCount, SortDirection::Ascending, {5, 3, 4, 2, 1}},
        {LengthColumn::FormCount, SortDirection::Descending, {1, 4, 2, 5, 3}},
        {LengthColumn::Percentage, SortDirection::Ascending, {5, 3, 4, 2, 1}},
        {LengthColumn::Percentage, SortDirection::Descending, {1, 4, 2, 5, 3}},
        {LengthColumn::Length, SortDirection::Ascending, {1, 2, 3, 4, 5}},
        {LengthColumn::Length, SortDirection::Descending, {5, 4, 3, 2, 1}},
    };
    for (const auto& [column, direction, lengths] : cases)
        EXPECT_EQ(lengthsInOrder(report, column, direction), lengths)
            << static_cast<int>(column) << static_cast<int>(direction);

    // Percentages sort as they show: out of 100000 forms, 1, 2 and 3 forms all show 0 % and
    // keep decreasing length.
    const LengthReport large = lengthReport("abcd abcd abcd abc abc ab" + test::repeated(" a", 99994));
    EXPECT_EQ(lengthsInOrder(large, LengthColumn::Percentage, SortDirection::Ascending),
              (std::vector<std::int64_t>{4, 3, 2, 1}));
    EXPECT_EQ(lengthsInOrder(large, LengthColumn::FormCount, SortDirection::Ascending),
              (std::vector<std::int64_t>{2, 3, 4, 1}));
}

} // namespace
} // namespace quorvelle
