// Co-occurrences: pairs of adjacent forms attested more than once, their rows and listings.
#include "core/cooccurrence_report.h"

#include "core/segmentation.h"
#include "core/literal_vocabulary.h"
#include "core/test_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace quorvelle {
namespace {

using test::SortedStringList;
using test::groupEqualNeighbours;

using test::cp1252;

using Rows = std::vector<std::pair<std::int64_t, std::int64_t>>; // (count, number of pairs)

Rows rowsOf(const CooccurrenceReport& report)
{
    Rows rows;
    for (const CooccurrenceRow& row : report.rows)
        rows.emplace_back(row.count, row.pairCount);
    return rows;
}

struct CooccurrenceCase {
    const char* name;
    std::string text; // UTF-8
    std::vector<FormCount> pairs;
    Rows rows;
};

class CooccurrenceExamples : public testing::TestWithParam<CooccurrenceCase> {};

TEST_P(CooccurrenceExamples, KeepPairsAttestedTwiceInAlphabeticalOrder)
{
    const CooccurrenceReport report = cooccurrenceReport(cp1252(GetParam().text));
    std::vector<FormCount> expected;
    for (const FormCount& pair : GetParam().pairs)
        expected.push_back({cp1252(pair.form), pair.count});
    EXPECT_EQ(report.pairs, expected);
    EXPECT_EQ(rowsOf(report), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(Cooccurrences, CooccurrenceExamples, testing::Values(
    CooccurrenceCase{"IlDitQue", "il dit que il dit que oui.", {{"dit que", 2}, {"il dit", 2}}, {{2, 2}}},
    CooccurrenceCase{"RepeatedForm", "le le le", {{"le le", 2}}, {{2, 1}}},
    CooccurrenceCase{"CaseIgnored", "Le chat, le chat.", {{"le chat", 2}}, {{2, 1}}},
    CooccurrenceCase{"AcrossSentences", "Il vient. Elle part. Il vient. Elle part.",
                     {{"elle part", 2}, {"il vient", 2}, {"vient elle", 2}}, {{2, 3}}},
    CooccurrenceCase{"SpaceBeforeLetters", "de la. de la. de le. de le. dea x. dea x",
                     {{"de la", 2}, {"de le", 2}, {"dea x", 2}, {"la de", 2}}, {{2, 4}}},
    // Whole texts collated: the accent of côte weighs only after every base letter.
    CooccurrenceCase{"WholePairCollated", "cote b cote b côte a côte a", {{"côte a", 2}, {"cote b", 2}}, {{2, 2}}},
    CooccurrenceCase{"NoPairTwice", "a b c d", {}, {}},
    CooccurrenceCase{"OneForm", "mot", {}, {}},
    CooccurrenceCase{"NoForm", "", {}, {}}
), [](const testing::TestParamInfo<CooccurrenceCase>& info) { return info.param.name; });

TEST(CooccurrenceReport, ListingsOfACountAndByCount)
{
    const CooccurrenceReport report = cooccurrenceReport("a b a b a b c d c d");
    EXPECT_EQ(report.tokenCount, 10);
    EXPECT_EQ(report.pairs, (std::vector<FormCount>{{"a b", 3}, {"b a", 2}, {"c d", 2}}));
    EXPECT_EQ(rowsOf(report), (Rows{{2, 2}, {3, 1}}));
    EXPECT_EQ(report.byCount, (std::vector<FormCount>{{"b a", 2}, {"c d", 2}, {"a b", 3}}));
    const auto ofTwo = report.pairsOf(report.rows[0]);
    EXPECT_EQ(std::vector<FormCount>(ofTwo.begin(), ofTwo.end()), (std::vector<FormCount>{{"b a", 2}, {"c d", 2}}));
}

TEST(CooccurrenceReport, PairsAttestedMoreThan500TimesKeepTheirRows)
{
    std::string text;
    for (int index = 0; index < 600; ++index)
        text += "a b ";
    const CooccurrenceReport report = cooccurrenceReport(text);
    EXPECT_EQ(rowsOf(report), (Rows{{599, 1}, {600, 1}}));
    EXPECT_EQ(report.byCount, (std::vector<FormCount>{{"b a", 599}, {"a b", 600}}));
}

TEST(CooccurrenceReport, AFormOf600Letters)
{
    const std::string longForm(600, 'x');
    const CooccurrenceReport report = cooccurrenceReport(longForm + " y, " + longForm + " y.");
    EXPECT_EQ(report.pairs, (std::vector<FormCount>{{longForm + " y", 2}}));
}

TEST(CooccurrenceReport, MoreThan255Rows)
{
    // The pair "a_k b_k" is written k times in a row, so "a_k b_k" is attested k times and
    // "b_k a_k" k − 1 times: every count from 2 to 301 has a row.
    std::string text;
    for (std::size_t count = 2; count <= 301; ++count)
        for (std::size_t occurrence = 0; occurrence < count; ++occurrence)
            text += test::numberedForm(2 * count) + " " + test::numberedForm(2 * count + 1) + " ";
    const CooccurrenceReport report = cooccurrenceReport(text);
    ASSERT_EQ(report.rows.size(), 300u);
    for (std::size_t index = 0; index < report.rows.size(); ++index) {
        EXPECT_EQ(report.rows[index].count, static_cast<std::int64_t>(index + 2));
        EXPECT_EQ(report.rows[index].pairCount, index + 2 == 301 ? 1 : 2);
    }
}

// The computation as the window does it: every pair occurrence into the sorted list,
// equal neighbours grouped, groups of one dropped, rows and the by-count listing by
// walking the counts upwards.
struct ReferenceCooccurrences {
    std::vector<FormCount> pairs;
    Rows rows;
    std::vector<FormCount> byCount;
};

ReferenceCooccurrences cooccurrencesThroughSortedList(std::string_view text)
{
    const std::vector<std::string_view> forms = writtenForms(text);
    SortedStringList list;
    for (std::size_t index = 1; index < forms.size(); ++index)
        list.add(lowerCased(std::string(forms[index - 1]) + " " + std::string(forms[index])));
    ReferenceCooccurrences reference;
    std::int64_t largest = 0;
    for (const FormCount& group : groupEqualNeighbours(list)) {
        if (group.count > 1) {
            reference.pairs.push_back(group);
            largest = std::max(largest, group.count);
        }
    }
    for (std::int64_t count = 2; count <= largest; ++count) {
        std::int64_t pairCount = 0;
        for (const FormCount& pair : reference.pairs) {
            if (pair.count == count) {
                reference.byCount.push_back(pair);
                ++pairCount;
            }
        }
        if (pairCount > 0)
            reference.rows.emplace_back(count, pairCount);
    }
    return reference;
}

class CooccurrencesOfRealTexts : public testing::TestWithParam<std::string> {};

TEST_P(CooccurrencesOfRealTexts, EqualTheSortedListComputation)
{
    const std::string text = test::realText(GetParam());
    const CooccurrenceReport report = cooccurrenceReport(text);
    const ReferenceCooccurrences reference = cooccurrencesThroughSortedList(text);
    EXPECT_EQ(report.pairs, reference.pairs);
    EXPECT_EQ(rowsOf(report), reference.rows);
    EXPECT_EQ(report.byCount, reference.byCount);
    for (const CooccurrenceRow& row : report.rows)
        for (const FormCount& pair : report.pairsOf(row))
            EXPECT_EQ(pair.count, row.count);
}

INSTANTIATE_TEST_SUITE_P(Corpus, CooccurrencesOfRealTexts, testing::ValuesIn(test::realTextNames()));

} // namespace
} // namespace quorvelle
