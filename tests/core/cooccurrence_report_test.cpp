// Co-occurrences: pairs of adjacent forms attested more than once, and their rows. The
// listings of each row are held against the literal computation on real texts.
#include "core/cooccurrence_report.h"

#include "core/test_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace quorvelle {
namespace {

using test::cp1252;
using Rows = std::vector<std::pair<std::int64_t, std::int64_t>>; // (count, number of pairs)

TEST(CooccurrenceReport, KeepsPairsAttestedTwiceInAlphabeticalOrder)
{
    const struct { const char* text; std::vector<FormCount> pairs; Rows rows; } cases[] = {
        {"il dit que il dit que oui.", {{"dit que", 2}, {"il dit", 2}}, {{2, 2}}},
        {"le le le", {{"le le", 2}}, {{2, 1}}},
        {"Le chat, le chat.", {{"le chat", 2}}, {{2, 1}}},
        {"Il vient. Elle part. Il vient. Elle part.", {{"elle part", 2}, {"il vient", 2}, {"vient elle", 2}}, {{2, 3}}},
        {"de la. de la. de le. de le. dea x. dea x", {{"de la", 2}, {"de le", 2}, {"dea x", 2}, {"la de", 2}}, {{2, 4}}},
        // Whole pair texts are collated: the accent of côte weighs only after every base letter.
        {"cote b cote b côte a côte a", {{"côte a", 2}, {"cote b", 2}}, {{2, 2}}},
        {"a b a b a b c d c d", {{"a b", 3}, {"b a", 2}, {"c d", 2}}, {{2, 2}, {3, 1}}},
        {"a b c d", {}, {}},
        {"mot", {}, {}},
    };
    for (const auto& [text, pairs, rows] : cases) {
        SCOPED_TRACE(text);
        const CooccurrenceReport report = cooccurrenceReport(cp1252(text));
        std::vector<FormCount> expectedPairs;
        for (const FormCount& pair : pairs)
            expectedPairs.push_back({cp1252(pair.form), pair.count});
        EXPECT_EQ(report.pairs, expectedPairs);
        Rows actualRows;
        for (const CooccurrenceRow& row : report.rows)
            actualRows.emplace_back(row.count, row.pairCount);
        EXPECT_EQ(actualRows, rows);
    }
}

} // namespace
} // namespace quorvelle
