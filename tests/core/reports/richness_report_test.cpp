// Richness measures on texts small enough to compute by hand.
#include "core/reports/richness_report.h"

#include "tests/core/test_texts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace quorvelle {
namespace {

// "le chat et le chien": N = 5, V = 4, V1 = 3; le twice (V(1) = 3, V(2) = 1).
TEST(RichnessReport, FormulasOnAShortText)
{
    const RichnessReport report = richnessReport("Le chat et le chien");
    EXPECT_EQ(report.tokenCount, 5);
    EXPECT_EQ(report.distinctCount, 4);
    EXPECT_EQ(report.hapaxCount, 3);
    EXPECT_DOUBLE_EQ(*report.ttr, 0.8);
    EXPECT_DOUBLE_EQ(*report.guiraud, 4 / std::sqrt(5.0));
    EXPECT_DOUBLE_EQ(*report.herdan, std::log(4.0) / std::log(5.0));
    EXPECT_DOUBLE_EQ(*report.yuleK, 800);                   // 10⁴ × (1 × 3 + 4 × 1 − 5) / 25
    EXPECT_DOUBLE_EQ(*report.simpsonD, 0.1);                // 1 × 2 × 1 / (5 × 4)
    EXPECT_DOUBLE_EQ(*report.honoreR, 400 * std::log(5.0)); // 100 ln 5 / (1 − 3/4)
    EXPECT_DOUBLE_EQ(*report.hapaxPerForm, 0.75);
    EXPECT_DOUBLE_EQ(*report.hapaxPerToken, 0.6);
    EXPECT_FALSE(report.mattr || report.mtld); // fewer than 100 forms
}

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

// "a b a" 33 times, then "c d e c": N = 103.
// Forwards, every "a b a" ends a factor at V / N = 2/3, so 33 factors over the first 99 forms;
// "c d e c" is left at V / N = 3/4 > 0.72 and counts (1 − 3/4) / (1 − 0.72) = 25/28 of one.
// Backwards, "c e d c" reaches 3/4, then "a b" 4/5 and 5/6, and the next "a" brings 5/7 ≤ 0.72
// after 7 forms, which take the last "a b a" whole; the other 32 "a b a" end 32 factors, and
// the text ends on a factor, with no form left: 33 factors.
// MTLD = (103 / (33 + 25/28) + 103 / 33) / 2 = (2884/949 + 103/33) / 2.
TEST(RichnessReport, MtldCountsTheFormsLeftAsAShareOfAFactor)
{
    const RichnessReport report = richnessReport(test::repeated("a b a ", 33) + "c d e c");
    EXPECT_DOUBLE_EQ(report.mtldForwardFactors, 33 + 25.0 / 28);
    EXPECT_DOUBLE_EQ(report.mtldBackwardFactors, 33);
    EXPECT_DOUBLE_EQ(*report.mtld, (2884.0 / 949 + 103.0 / 33) / 2);
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
