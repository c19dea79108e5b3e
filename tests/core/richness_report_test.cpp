// Richness measures on texts small enough to compute by hand. The values on a short text
// show in the exact output of quorvelle-cli richness --json.
#include "core/reports/richness_report.h"

#include "tests/core/test_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvelle {
namespace {

// 100 forms alternating a and b: one window of 2 distinct forms; reading either way, every
// third form brings V / N to 2/3, so 33 factors and one form left at a ratio of 1.
TEST(RichnessReport, MovingWindowAndFactors)
{
    const RichnessReport report = richnessReport(test::repeated("a b ", 50));
    EXPECT_DOUBLE_EQ(*report.mattr, 0.02);
    EXPECT_DOUBLE_EQ(*report.mtld, 100.0 / 33);
    // Each window of 100 different forms: V / N stays at 1, no factor ends either way.
    const RichnessReport distinct = richnessReport(test::formsText(150, 150));
    EXPECT_DOUBLE_EQ(*distinct.mattr, 1);
    EXPECT_FALSE(distinct.mtld);
    EXPECT_FALSE(distinct.honoreR); // every form a hapax
}

TEST(RichnessReport, UndefinedOnTinyTexts)
{
    EXPECT_EQ(richnessReport("12 !"), RichnessReport{});
    const RichnessReport one = richnessReport("mot");
    EXPECT_DOUBLE_EQ(*one.ttr, 1);
    EXPECT_FALSE(one.herdan || one.simpsonD || one.honoreR);
    EXPECT_DOUBLE_EQ(*one.yuleK, 0);
}

} // namespace
} // namespace quorvelle
