// Letters at the start and end of words: rows in code order and the listings of each side.
#include "core/edge_letter_report.h"

#include "core/test_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvelle {
namespace {

using test::cp1252;

TEST(EdgeLetterReport, WorkedExample)
{
    const EdgeLetterReport report = edgeLetterReport(cp1252("Le sel est là."));
    const std::vector<EdgeLetterRow> expected{
        {'e', 1, 1, {{"est", 1}}, {{"le", 1}}},
        {'l', 2, 1, {{cp1252("là"), 1}, {"le", 1}}, {{"sel", 1}}},
        {'s', 1, 0, {{"sel", 1}}, {}},
        {'t', 0, 1, {}, {{"est", 1}}},
        {cp1252("à").front(), 0, 1, {}, {{cp1252("là"), 1}}},
    };
    EXPECT_EQ(report.rows, expected);
}

TEST(EdgeLetterReport, OneLetterFormsCountOnBothSidesAndCapitalsAreLowerCased)
{
    const EdgeLetterReport report = edgeLetterReport(cp1252("À État"));
    const std::vector<EdgeLetterRow> expected{
        {'t', 0, 1, {}, {{cp1252("état"), 1}}},
        {cp1252("à").front(), 1, 1, {{cp1252("à"), 1}}, {{cp1252("à"), 1}}},
        {cp1252("é").front(), 1, 0, {{cp1252("état"), 1}}, {}},
    };
    EXPECT_EQ(report.rows, expected);
}

TEST(EdgeLetterReport, RowsInCodeOrderNotAlphabetical)
{
    std::string letters;
    for (const EdgeLetterRow& row : edgeLetterReport(cp1252("zèbre été ami ßa")).rows)
        letters += row.letter;
    EXPECT_EQ(letters, cp1252("aeizßé"));
}

TEST(EdgeLetterReport, CountsAreWideAndEmptyTextsHaveNoRow)
{
    std::string text;
    for (int times = 0; times < 40000; ++times)
        text += "Sas ";
    const EdgeLetterReport report = edgeLetterReport(text);
    EXPECT_EQ(report.rows, (std::vector<EdgeLetterRow>{{'s', 40000, 40000, {{"sas", 40000}}, {{"sas", 40000}}}}));
    EXPECT_TRUE(edgeLetterReport("").rows.empty());
    EXPECT_TRUE(edgeLetterReport("2001 ...").rows.empty());
}

} // namespace
} // namespace quorvelle
