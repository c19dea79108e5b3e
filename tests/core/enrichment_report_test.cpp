// Vocabulary enrichment: slices of 100 forms and the forms each one adds.
#include "core/enrichment_report.h"

#include "core/letters.h"
#include "core/literal_vocabulary.h"
#include "core/test_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

namespace quorvelle {
namespace {

using test::SortedStringList;

using test::cp1252;

/// count forms, form number k (from 0) being numberedForm(k % distinct), separated by blanks.
std::string formsText(std::size_t count, std::size_t distinct)
{
    std::string text;
    for (std::size_t index = 0; index < count; ++index) {
        if (index > 0)
            text += ' ';
        text += test::numberedForm(index % distinct);
    }
    return text;
}

std::vector<std::int64_t> newFormCounts(const EnrichmentReport& report)
{
    std::vector<std::int64_t> counts;
    for (const EnrichmentSlice& slice : report.slices)
        counts.push_back(slice.newFormCount);
    return counts;
}

struct SliceCase {
    const char* name;
    std::string text;
    std::vector<std::int64_t> newFormCounts; // one per slice
};

class SliceExamples : public testing::TestWithParam<SliceCase> {};

TEST_P(SliceExamples, CutTheFormsBy100)
{
    const EnrichmentReport report = enrichmentReport(GetParam().text);
    EXPECT_EQ(newFormCounts(report), GetParam().newFormCounts);
    for (std::size_t index = 0; index < report.slices.size(); ++index)
        EXPECT_EQ(report.slices[index].number, static_cast<std::int64_t>(index + 1));
    const std::vector<std::int64_t> counts = newFormCounts(report);
    EXPECT_EQ(static_cast<std::size_t>(std::accumulate(counts.begin(), counts.end(), std::int64_t{0})),
              report.knownForms.size());
}

INSTANTIATE_TEST_SUITE_P(Slices, SliceExamples, testing::Values(
    // Forms number k is numberedForm(k % distinct): 120 distinct forms make 100 new ones in
    // the first slice and 20 in the second.
    SliceCase{"TwoHundredFiftyForms", formsText(250, 120), {100, 20, 0}},
    SliceCase{"TwoHundredFormsAndALineEnd", formsText(200, 300) + "\r\n", {100, 100}},
    SliceCase{"TwoHundredFormsEndingOnALetter", formsText(200, 300), {100, 100}},
    SliceCase{"ALastWordAfterTwoHundred", formsText(201, 300), {100, 100, 1}},
    SliceCase{"FirstSliceCountsItsDistinctForms", formsText(100, 7), {7}},
    SliceCase{"NoLetter", "2001 !\r\n", {}},
    SliceCase{"Empty", "", {}}
), [](const testing::TestParamInfo<SliceCase>& info) { return info.param.name; });

TEST(EnrichmentReport, MoreThan255Slices)
{
    const EnrichmentReport report = enrichmentReport(formsText(30000, 400));
    std::vector<std::int64_t> expected(300, 0);
    std::fill_n(expected.begin(), 4, 100);
    EXPECT_EQ(newFormCounts(report), expected);
}

TEST(EnrichmentReport, NewFormsOfASliceAreAlphabeticalWithTheirAttestations)
{
    const EnrichmentReport report = enrichmentReport("le chat le.");
    EXPECT_EQ(report.tokenCount, 3);
    ASSERT_EQ(report.slices.size(), 1u);
    EXPECT_EQ(report.knownForms, (std::vector<KnownForm>{{"chat", 1, 1}, {"le", 2, 1}}));
    const auto listing = report.newFormsOf(report.slices[0]);
    EXPECT_EQ(std::vector<KnownForm>(listing.begin(), listing.end()), report.knownForms);
}

TEST(EnrichmentReport, AFormIsNewOnlyInItsFirstSlice)
{
    // "Le" twice in slice 1, "le" and "zèbre" in slice 2.
    const std::string text = "Le " + formsText(98, 98) + " Le le " + cp1252("zèbre ") + formsText(98, 98);
    const EnrichmentReport report = enrichmentReport(text);
    EXPECT_EQ(newFormCounts(report), (std::vector<std::int64_t>{99, 1}));
    const auto second = report.newFormsOf(report.slices[1]);
    EXPECT_EQ(std::vector<KnownForm>(second.begin(), second.end()), (std::vector<KnownForm>{{cp1252("zèbre"), 1, 2}}));
    EXPECT_NE(std::ranges::find(report.knownForms, KnownForm{"le", 2, 1}), report.knownForms.end());
}

// The computation as the window does it: one pass over the characters, a buffer of the
// forms of the slice, the slice's forms through the sorted list, and a linear look-up of
// each group in the table of known forms.
std::vector<KnownForm> knownFormsCharacterByCharacter(std::string_view text, std::vector<std::int64_t>& newFormCounts)
{
    std::vector<KnownForm> known;
    std::vector<std::string> buffer;
    std::string pending;
    bool lettersSinceLastSlice = false;
    auto closeSlice = [&] {
        SortedStringList list;
        for (const std::string& form : buffer)
            list.add(lowerCased(form));
        const auto number = static_cast<std::int64_t>(newFormCounts.size()) + 1;
        std::int64_t newForms = 0;
        std::int64_t run = 1;
        for (std::size_t index = 0; index < list.count(); ++index) {
            if (list.at(index) == list.at(index + 1)) {
                ++run;
                continue;
            }
            const bool isKnown = std::ranges::any_of(known, [&](const KnownForm& entry) { return entry.form == list.at(index); });
            if (!isKnown) {
                known.push_back({list.at(index), run, number});
                ++newForms;
            }
            run = 1;
        }
        newFormCounts.push_back(newForms);
        buffer.clear();
        lettersSinceLastSlice = false;
    };
    for (const char c : text) {
        if (isLetter(c)) {
            pending += c;
            lettersSinceLastSlice = true;
        } else if (!pending.empty()) {
            buffer.push_back(pending);
            pending.clear();
        }
        if (buffer.size() == 100)
            closeSlice();
    }
    if (!pending.empty())
        buffer.push_back(pending);
    if (lettersSinceLastSlice)
        closeSlice();
    return known;
}

class EnrichmentOfRealTexts : public testing::TestWithParam<std::string> {};

TEST_P(EnrichmentOfRealTexts, EqualsTheCharacterByCharacterComputation)
{
    const std::string text = test::realText(GetParam());
    const EnrichmentReport report = enrichmentReport(text);
    std::vector<std::int64_t> expectedCounts;
    EXPECT_EQ(report.knownForms, knownFormsCharacterByCharacter(text, expectedCounts));
    EXPECT_EQ(newFormCounts(report), expectedCounts);
}

INSTANTIATE_TEST_SUITE_P(Corpus, EnrichmentOfRealTexts, testing::ValuesIn(test::realTextNames()));

} // namespace
} // namespace quorvelle
