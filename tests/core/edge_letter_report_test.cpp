// Letters at the start and end of words: rows in code order and the listings of each side.
#include "core/edge_letter_report.h"

#include "core/test_texts.h"

#include <gtest/gtest.h>

#include <vector>

namespace quorvelle {
namespace {

using test::cp1252;

TEST(EdgeLetterReport, RowsInCodeOrderWithTheirListings)
{
    const std::vector<EdgeLetterRow> expected{
        {'e', 1, 1, {{"est", 1}}, {{"le", 1}}},
        {'l', 2, 1, {{cp1252("là"), 1}, {"le", 1}}, {{"sel", 1}}},
        {'s', 1, 0, {{"sel", 1}}, {}},
        {'t', 0, 1, {}, {{"est", 1}}},
        {cp1252("à").front(), 0, 1, {}, {{cp1252("là"), 1}}},
    };
    EXPECT_EQ(edgeLetterReport(cp1252("Le sel est là.")).rows, expected);
    // A form of one letter counts on both sides; a capital counts as its lower case.
    const std::vector<EdgeLetterRow> shortForms{
        {'t', 0, 1, {}, {{cp1252("état"), 1}}},
        {cp1252("à").front(), 1, 1, {{cp1252("à"), 1}}, {{cp1252("à"), 1}}},
        {cp1252("é").front(), 1, 0, {{cp1252("état"), 1}}, {}},
    };
    EXPECT_EQ(edgeLetterReport(cp1252("À État")).rows, shortForms);
    EXPECT_TRUE(edgeLetterReport("2001 ...").rows.empty());
}

} // namespace
} // namespace quorvelle
