// Attestation frequencies, their deviations and the forms of each frequency.
#include "core/reports/frequency_report.h"

#include "core/presentation/number_format.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace quorvelle {
namespace {

/// A row as the window shows it: frequency, number of forms, the deviation through the
/// general conversion, and the listing of the row.
using ShownRow = std::tuple<std::int64_t, std::int64_t, std::string, std::vector<std::string>>;

TEST(FrequencyReport, TotalsRowsAndListings)
{
    const struct {
        const char* text;
        std::int64_t tokens, distinct;
        std::optional<double> mean;
        std::vector<ShownRow> rows;
    } cases[] = {
        // The deviations are taken from the rounded mean: 5 / 4 = 1.25 shows as 1.2.
        {"le chat et le chien", 5, 4, 1.2, {{2, 1, "0,8", {"le"}}, {1, 3, "-0,2", {"chat", "chien", "et"}}}},
        {"un deux trois.", 3, 3, 1.0, {{1, 3, "0", {"deux", "trois", "un"}}}},
        {"Le le LE", 3, 1, 3.0, {{3, 1, "0", {"le"}}}},
    };
    for (const auto& [text, tokens, distinct, mean, rows] : cases) {
        SCOPED_TRACE(text);
        const FrequencyReport report = frequencyReport(text);
        EXPECT_EQ(report.tokenCount, tokens);
        EXPECT_EQ(report.distinctCount, distinct);
        EXPECT_EQ(report.meanFrequency, mean);
        std::vector<ShownRow> shown;
        for (const FrequencyRow& row : report.rows) {
            shown.emplace_back(row.frequency, row.formCount, formatNumber(row.deviation, ','),
                               std::vector<std::string>{});
            for (const FormCount& form : report.formsOf(row))
                std::get<3>(shown.back()).push_back(form.form);
        }
        EXPECT_EQ(shown, rows);
    }
    EXPECT_EQ(frequencyReport("le chat et le chien").spectrum, (std::vector<std::int64_t>{0, 3, 1}));
}

} // namespace
} // namespace quorvelle
