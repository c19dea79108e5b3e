// Vocabulary enrichment: slices of 100 forms and the forms each one adds.
#include "core/enrichment_report.h"

#include "core/test_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace quorvelle {
namespace {

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

TEST(EnrichmentReport, CutsTheFormsBy100)
{
    const struct { const char* name; std::string text; std::vector<std::int64_t> newFormCounts; } cases[] = {
        // 120 distinct forms: 100 new in the first slice, 20 in the second, none in the third.
        {"TwoHundredFiftyForms", formsText(250, 120), {100, 20, 0}},
        {"TwoHundredFormsAndALineEnd", formsText(200, 300) + "\r\n", {100, 100}},
        {"TwoHundredFormsEndingOnALetter", formsText(200, 300), {100, 100}},
        {"ALastWordAfterTwoHundred", formsText(201, 300), {100, 100, 1}},
        {"FirstSliceCountsItsDistinctForms", formsText(100, 7), {7}},
        {"NoLetter", "2001 !\r\n", {}},
    };
    for (const auto& [name, text, counts] : cases)
        EXPECT_EQ(newFormCounts(enrichmentReport(text)), counts) << name;
}

TEST(EnrichmentReport, NewFormsAreAlphabeticalWithTheirAttestationsAndNewOnlyInTheirFirstSlice)
{
    EXPECT_EQ(enrichmentReport("le chat le."), (EnrichmentReport{3, {{1, 2, 0}}, {{"chat", 1, 1}, {"le", 2, 1}}}));
    // "Le" twice in slice 1, "le" and "zèbre" in slice 2.
    const std::string text = "Le " + formsText(98, 98) + " Le le " + test::cp1252("zèbre ") + formsText(98, 98);
    const EnrichmentReport report = enrichmentReport(text);
    EXPECT_EQ(newFormCounts(report), (std::vector<std::int64_t>{99, 1}));
    const auto second = report.newFormsOf(report.slices.at(1));
    EXPECT_EQ(std::vector<KnownForm>(second.begin(), second.end()),
              (std::vector<KnownForm>{{test::cp1252("zèbre"), 1, 2}}));
    EXPECT_NE(std::ranges::find(report.knownForms, KnownForm{"le", 2, 1}), report.knownForms.end());
}

} // namespace
} // namespace quorvelle
