// A form's attestations part by part, and Juilland's D and Gries's DP worked by hand.
#include "core/reports/dispersion_report.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace quorvelle {
namespace {

TEST(DispersionReport, CountsEachPartAndMeasuresTheSpread)
{
    // Forms 0 to 9 of ten: 4 parts start at ⌊10i/4⌋ = 0, 2, 5, 7, so their sizes, and their
    // shares sᵢ of the text, are 2, 3, 2, 3 (0.2, 0.3, 0.2, 0.3). 3 forms in 5 parts start at
    // ⌊3i/5⌋ = 0, 0, 1, 1, 2: sizes 0 1 0 1 1.
    const std::string ten = "a b a c c a d c e a";
    EXPECT_EQ(dispersionReport(ten, "a", 4).parts,
              (std::vector<DispersionPart>{{0, 2, 1}, {2, 3, 1}, {5, 2, 1}, {7, 3, 1}}));
    EXPECT_EQ(dispersionReport("a b A", "a", 5).parts,
              (std::vector<DispersionPart>{{0, 0, 0}, {0, 1, 1}, {1, 0, 0}, {1, 1, 0}, {2, 1, 1}}));
    // a (1 1 1 1): V = 0, D = 1; DP = ½ (4 × 0.05) = 0.1.
    // b (1 0 0 0): mean ¼, σ² = (0.5625 + 3 × 0.0625) / 4, V = √3, D = 0; DP = ½ (0.8 + 0.3 + 0.2 + 0.3).
    // c (0 2 0 1): mean ¾, σ² = 2.75 / 4, V = 1.105542, D = 1 − V / √3; oᵢ = (0, ⅔, 0, ⅓),
    //   DP = ½ (0.2 + 0.366667 + 0.2 + 0.033333).
    // "C A" starts at form 4 (part 1) and ends at form 5 (part 2): counted in part 1.
    // With 1 part, DP = 0 and D is undefined; an absent form has neither.
    // "a b A" in 5 parts (0 1 0 0 1): mean 0.4, σ² = 1.2 / 5, V = 1.224745, D = 1 − V / 2;
    //   DP = ½ (⅙ + ⅓ + ⅙) = ⅓.
    const struct {
        std::string text, form;
        std::int64_t parts;
        std::vector<std::int64_t> attestations;
        std::optional<double> d, dp;
    } cases[] = {
        {ten, "a", 4, {1, 1, 1, 1}, 1, 0.1},
        {ten, "b", 4, {1, 0, 0, 0}, 0, 0.8},
        {ten, "c", 4, {0, 2, 0, 1}, 0.361715, 0.4},
        {ten, "C A", 4, {0, 1, 0, 0}, 0, 0.7},
        {ten, "a", 1, {4}, std::nullopt, 0},
        {ten, "z", 4, {0, 0, 0, 0}, std::nullopt, std::nullopt},
        {"a b A", "a", 5, {0, 1, 0, 0, 1}, 0.387628, 1.0 / 3},
        {"", "a", 3, {0, 0, 0}, std::nullopt, std::nullopt},
        {"a a a", "a a", 1, {2}, std::nullopt, 0}, // overlapping occurrences all count
    };
    for (const auto& [text, form, parts, attestations, d, dp] : cases) {
        const DispersionReport report = dispersionReport(text, form, parts);
        std::vector<std::int64_t> counts;
        for (const DispersionPart& part : report.parts)
            counts.push_back(part.attestations);
        EXPECT_EQ(counts, attestations) << text << form;
        EXPECT_EQ(report.juillandD.has_value(), d.has_value()) << text << form;
        EXPECT_EQ(report.griesDP.has_value(), dp.has_value()) << text << form;
        EXPECT_NEAR(report.juillandD.value_or(0), d.value_or(0), 1e-6) << text << form;
        EXPECT_NEAR(report.griesDP.value_or(0), dp.value_or(0), 1e-6) << text << form;
    }
}

} // namespace
} // namespace quorvelle
