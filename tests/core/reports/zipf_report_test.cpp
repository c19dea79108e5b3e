// Ranks and the least-squares line of Zipf's law, on texts small enough to fit by hand.
#include "core/reports/zipf_report.h"

#include "tests/core/test_texts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace quorvelle {
namespace {

TEST(ZipfReport, RanksTheFormsAndFitsLog10FrequencyAgainstLog10Rank)
{
    // By decreasing attestations, then alphabetically.
    EXPECT_EQ(zipfReport("b c a B a").rows, (std::vector<ZipfRow>{{1, "a", 2}, {2, "b", 2}, {3, "c", 1}}));

    // With L2 = log10 2, L3 = log10 3: f = (4, 2, 1) gives x = (0, L2, L3), y = (2 L2, L2, 0);
    // x̄ = 0.259384, ȳ = L2, Sxx = 0.116424, Sxy = −L2·L3 = −0.143628, Syy = 2 L2² = 0.181238;
    // b = Sxy / Sxx, a = ȳ − b x̄, R² = Sxy² / (Sxx Syy).
    // f = (2, 1) and f = 36 / r² lie on their lines: R² = 1. Equal f: a flat line, no R².
    const struct {
        std::string text;
        double intercept, slope;
        std::optional<double> determination;
    } cases[] = {
        {"a a a a b b c", 0.621022, -1.233662, 0.977654},
        {"a a b", std::log10(2.0), -1, 1},
        {test::repeated("a ", 36) + test::repeated("b ", 9) + "c c c c", std::log10(36.0), -2, 1},
        {"a b c", 0, 0, std::nullopt},
    };
    for (const auto& [text, intercept, slope, determination] : cases) {
        const std::optional<ZipfFit> fit = zipfReport(text).fit;
        ASSERT_TRUE(fit) << text;
        EXPECT_NEAR(fit->intercept, intercept, 1e-6) << text;
        EXPECT_NEAR(fit->slope, slope, 1e-6) << text;
        EXPECT_EQ(fit->determination.has_value(), determination.has_value()) << text;
        EXPECT_NEAR(fit->determination.value_or(0), determination.value_or(0), 1e-6) << text;
    }
    // One point, or none, draws no line.
    EXPECT_FALSE(zipfReport("seul seul").fit);
    EXPECT_FALSE(zipfReport("").fit);
}

} // namespace
} // namespace quorvelle
