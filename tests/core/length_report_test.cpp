// Forms by number of characters: rows, listings, the sort buttons and the lifted limits.
#include "core/length_report.h"

#include "core/test_texts.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace quorvelle {
namespace {

std::vector<std::int64_t> lengthsInOrder(const LengthReport& report, const std::vector<std::size_t>& order)
{
    std::vector<std::int64_t> lengths;
    for (const std::size_t index : order)
        lengths.push_back(report.rows.at(index).length);
    return lengths;
}

TEST(LengthReport, RowsInDecreasingLengthWithTheirForms)
{
    const LengthReport report = lengthReport("Le chat dort.");
    EXPECT_EQ(report.tokenCount, 3);
    EXPECT_EQ(report.rows, (std::vector<LengthRow>{{2, 4, 66.67, {{"chat", 1}, {"dort", 1}}},
                                                   {1, 2, 33.33, {{"le", 1}}}}));
}

TEST(LengthReport, FormsAreCountedLowerCasedAndTheLastFormCounts)
{
    EXPECT_EQ(lengthReport("Le chat").tokenCount, 2);
    EXPECT_EQ(lengthReport("Le le LE").rows, (std::vector<LengthRow>{{3, 2, 100, {{"le", 3}}}}));
    const LengthReport accents = lengthReport(test::cp1252("Été, été ; ÉTÉ"));
    EXPECT_EQ(accents.rows, (std::vector<LengthRow>{{3, 3, 100, {{test::cp1252("été"), 3}}}}));
}

TEST(LengthReport, PercentagesRoundToTwoDecimals)
{
    const LengthReport report = lengthReport("abc a a a a a a a"); // N = 8
    EXPECT_EQ(report.rows.at(0).percentage, 12.5);
    EXPECT_EQ(report.rows.at(1).percentage, 87.5);
    EXPECT_EQ(lengthReport("ab a a a a a").rows.at(0).percentage, 16.67);
}

TEST(LengthReport, TextWithoutFormHasNoRow)
{
    const LengthReport report = lengthReport("1 + 2 = 3 !");
    EXPECT_EQ(report.tokenCount, 0);
    EXPECT_TRUE(report.rows.empty());
    EXPECT_TRUE(sortedRowOrder(report, LengthColumn::Percentage, SortDirection::Ascending).empty());
}

TEST(LengthReport, NoLimitOnLengthsCountsOrRows)
{
    std::string text(600, 'x');
    for (int times = 0; times < 40000; ++times)
        text += " le";
    for (std::size_t length = 1; length <= 300; ++length)
        text.append(" ").append(length, 'y');
    const LengthReport report = lengthReport(text);
    ASSERT_EQ(report.rows.size(), 301u);
    EXPECT_EQ(report.rows.front(), (LengthRow{1, 600, 0, {{std::string(600, 'x'), 1}}}));
    EXPECT_EQ(report.rows.at(1).length, 300);
    const LengthRow& two = report.rows.at(299);
    EXPECT_EQ(two.length, 2);
    EXPECT_EQ(two.formCount, 40001);
    EXPECT_EQ(two.forms, (std::vector<FormCount>{{"le", 40000}, {"yy", 1}}));
    EXPECT_EQ(two.percentage, 99.26); // 40001 of 40301
}

struct SortCase {
    LengthColumn column;
    SortDirection direction;
    std::vector<std::int64_t> lengths;
};

void PrintTo(const SortCase& sortCase, std::ostream* out)
{
    *out << "column " << static_cast<int>(sortCase.column) << ", direction " << static_cast<int>(sortCase.direction);
}

class LengthRowSort : public testing::TestWithParam<SortCase> {};

// Lengths 5, 4, 3, 2, 1 hold 1, 2, 1, 2 and 3 forms: equal counts keep decreasing length.
TEST_P(LengthRowSort, StableFromDecreasingLength)
{
    const LengthReport report = lengthReport("abcde abcd wxyz abc ab cd a b c");
    const SortCase& sortCase = GetParam();
    EXPECT_EQ(lengthsInOrder(report, sortedRowOrder(report, sortCase.column, sortCase.direction)), sortCase.lengths);
}

INSTANTIATE_TEST_SUITE_P(Buttons, LengthRowSort, testing::Values(
    SortCase{LengthColumn::FormCount, SortDirection::Ascending, {5, 3, 4, 2, 1}},
    SortCase{LengthColumn::FormCount, SortDirection::Descending, {1, 4, 2, 5, 3}},
    SortCase{LengthColumn::Percentage, SortDirection::Ascending, {5, 3, 4, 2, 1}},
    SortCase{LengthColumn::Percentage, SortDirection::Descending, {1, 4, 2, 5, 3}},
    SortCase{LengthColumn::Length, SortDirection::Ascending, {1, 2, 3, 4, 5}},
    SortCase{LengthColumn::Length, SortDirection::Descending, {5, 4, 3, 2, 1}}));

TEST(LengthRowSort, PercentagesCompareAsTheirRoundedValues)
{
    // Out of 100000 forms, 1, 2 and 3 forms all show 0 %: they keep decreasing length.
    std::string text = "abcd abcd abcd abc abc ab";
    for (int times = 0; times < 99994; ++times)
        text += " a";
    const LengthReport report = lengthReport(text);
    EXPECT_EQ(lengthsInOrder(report, sortedRowOrder(report, LengthColumn::Percentage, SortDirection::Ascending)),
              (std::vector<std::int64_t>{4, 3, 2, 1}));
    EXPECT_EQ(lengthsInOrder(report, sortedRowOrder(report, LengthColumn::FormCount, SortDirection::Ascending)),
              (std::vector<std::int64_t>{2, 3, 4, 1}));
}

} // namespace
} // namespace quorvelle
