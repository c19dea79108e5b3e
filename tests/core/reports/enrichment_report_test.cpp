// Vocabulary enrichment: where the slices of 100 forms end. The forms each slice adds are
// held against the literal computation on real texts.
#include "core/reports/enrichment_report.h"

#include "core/test_texts.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace quorvelle
