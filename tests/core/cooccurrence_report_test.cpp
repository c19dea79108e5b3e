// Co-occurrences: pairs of adjacent forms attested more than once, and their rows. The
// listings of each row are held against the literal computation on real texts.
#include "core/reports/cooccurrence_report.h"

#include <gtest/gtest.h>

#include <vector>

namespace quorvelle {
namespace {

TEST(CooccurrenceReport, KeepsPairsAttestedTwiceInAlphabeticalOrder)
{
    const struct {
        const char* text;
        std::vector<FormCount> pairs;
        std::vector<CooccurrenceRow> rows;
    } cases[] = {
        {"il dit que il dit que oui.", {{"dit que", 2}, {"il dit", 2}}, {{2, 2, 0}}},
        {"le le le", {{"le le", 2}}, {{2, 1, 0}}},
        {"Le chat, le chat.", {{"le chat", 2}}, {{2, 1, 0}}},
        {"Il vient. Elle part. Il vient. Elle part.",
         {{"elle part", 2}, {"il vient", 2}, {"vient elle", 2}},
         {{2, 3, 0}}},
        // Whole pair texts are collated: the accent of côte (code page 1252) weighs only after
        // every base letter.
        {"cote b cote b c\xF4te a c\xF4te a", {{"c\xF4te a", 2}, {"cote b", 2}}, {{2, 2, 0}}},
        {"a b c d", {}, {}},
    };
    for (const auto& [text, pairs, rows] : cases) {
        const CooccurrenceReport report = cooccurrenceReport(text);
        EXPECT_EQ(report.pairs, pairs) << text;
        EXPECT_EQ(report.rows, rows) << text;
    }
}

} // namespace
} // namespace quorvelle
