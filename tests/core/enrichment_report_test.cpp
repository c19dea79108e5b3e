// Vocabulary enrichment: slices of 100 forms and the forms each one adds.
#include "core/reports/enrichment_report.h"

#include "core/test_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace quorvelle {
namespace {

using test::formsText;

TEST(EnrichmentReport, CutsTheFormsBy100)
{
    const struct {
        std::string text;
        std::vector<EnrichmentSlice> slices;
    } cases[] = {
        // number, new forms, first
        {formsText(250, 120), {{1, 100, 0}, {2, 20, 100}, {3, 0, 120}}},
        {formsText(200, 300) + "\r\n", {{1, 100, 0}, {2, 100, 100}}},
        {formsText(201, 300), {{1, 100, 0}, {2, 100, 100}, {3, 1, 200}}}, // a last word after 200
        {formsText(100, 7), {{1, 7, 0}}},
    };
    for (const auto& [text, slices] : cases)
        EXPECT_EQ(enrichmentReport(text).slices, slices) << text.size();
}

TEST(EnrichmentReport, NewFormsAreAlphabeticalWithTheirAttestationsAndNewOnlyInTheirFirstSlice)
{
    EXPECT_EQ(enrichmentReport("le chat le."), (EnrichmentReport{3, {{1, 2, 0}}, {{"chat", 1, 1}, {"le", 2, 1}}}));
    // "Le" twice in slice 1, "le" and "zèbre" in slice 2.
    const std::string text = "Le " + formsText(98, 98) + " Le le " + test::cp1252("zèbre ") + formsText(98, 98);
    const EnrichmentReport report = enrichmentReport(text);
    EXPECT_EQ(report.slices, (std::vector<EnrichmentSlice>{{1, 99, 0}, {2, 1, 99}}));
    const auto second = report.newFormsOf(report.slices.at(1));
    EXPECT_EQ(std::vector<KnownForm>(second.begin(), second.end()),
              (std::vector<KnownForm>{{test::cp1252("zèbre"), 1, 2}}));
    EXPECT_NE(std::ranges::find(report.knownForms, KnownForm{"le", 2, 1}), report.knownForms.end());
}

} // namespace
} // namespace quorvelle
