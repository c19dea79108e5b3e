// Letters at the start and end of words: rows in code order and the listings of each side.
#include "core/reports/edge_letter_report.h"

#include <gtest/gtest.h>

#include <vector>

namespace quorvelle {
namespace {

TEST(EdgeLetterReport, RowsInCodeOrderWithTheirListings)
{
    // Texts and forms in code page 1252.
    const std::vector<EdgeLetterRow> expected{
        {'e', 1, 1, {{"est", 1}}, {{"le", 1}}}, {'l', 2, 1, {{"l\xE0", 1}, {"le", 1}}, {{"sel", 1}}},
        {'s', 1, 0, {{"sel", 1}}, {}},          {'t', 0, 1, {}, {{"est", 1}}},
        {'\xE0', 0, 1, {}, {{"l\xE0", 1}}},
    };
    EXPECT_EQ(edgeLetterReport("Le sel est l\xE0.").rows, expected);
    // A form of one letter counts on both sides; a capital counts as its lower case.
    EXPECT_EQ(edgeLetterReport("\xC0 \xC9tat").rows,
              (std::vector<EdgeLetterRow>{{'t', 0, 1, {}, {{"\xE9tat", 1}}},
                                          {'\xE0', 1, 1, {{"\xE0", 1}}, {{"\xE0", 1}}},
                                          {'\xE9', 1, 0, {{"\xE9tat", 1}}, {}}}));
}

} // namespace
} // namespace quorvelle
