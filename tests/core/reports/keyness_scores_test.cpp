// Specificities against the hypergeometric law summed directly; G² and the log ratio worked by
// hand; the forms a report charts.
#include "core/reports/keyness_scores.h"
#include "core/reports/specificity_report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace quorvelle {
namespace {

// C(n, k) in long double, exact for the small cases below.
long double binomial(std::int64_t n, std::int64_t k)
{
    if (k < 0 || k > n)
        return 0;
    long double value = 1;
    for (std::int64_t i = 1; i <= k; ++i)
        value = value * static_cast<long double>(n - k + i) / static_cast<long double>(i);
    return value;
}

// S from its definition: the tail summed term by term.
double directSpecificity(const FormInTwoTexts& form)
{
    const std::int64_t total = form.n1 + form.n2;
    const std::int64_t attestations = form.f1 + form.f2;
    const auto probability = [&](std::int64_t k) {
        return binomial(attestations, k) * binomial(total - attestations, form.n1 - k) / binomial(total, form.n1);
    };
    long double tail = 0;
    if (static_cast<long double>(form.f1) * total >= static_cast<long double>(attestations) * form.n1) {
        for (std::int64_t k = form.f1; k <= attestations; ++k)
            tail += probability(k);
        return static_cast<double>(-std::log10(tail));
    }
    for (std::int64_t k = 0; k <= form.f1; ++k)
        tail += probability(k);
    return static_cast<double>(std::log10(tail));
}

TEST(KeynessScores, SpecificityIsTheHypergeometricTail)
{
    // The two worked by hand below; f1 = E exactly (the upper tail); f2 = 0; f1 = 0; F = T
    // (X = n1 surely); either text empty; and others.
    const FormInTwoTexts cases[] = {{3, 1, 5, 5},     {0, 4, 5, 5}, {2, 2, 5, 5}, {7, 0, 20, 30},  {0, 9, 40, 12},
                                    {12, 18, 12, 18}, {0, 5, 0, 5}, {5, 0, 5, 0}, {25, 3, 60, 70}, {1, 30, 60, 70}};
    for (const FormInTwoTexts& form : cases)
        EXPECT_NEAR(specificity(form), directSpecificity(form), 1e-9) << form.f1 << ' ' << form.n1;
    // P(X >= 3) = (60 + 6) / 252; P(X <= 0) = 6 / 252.
    EXPECT_NEAR(specificity({3, 1, 5, 5}), 0.581857, 1e-6);
    EXPECT_NEAR(specificity({0, 4, 5, 5}), -1.623249, 1e-6);
    EXPECT_EQ(specificity({0, 0, 0, 0}), 0);
    EXPECT_FALSE(std::signbit(specificity({12, 18, 12, 18})));
}

// A form of 500 000 attestations, all in text 1, in two texts of 8.5 million forms: P(X >= F)
// is P(X = F), the product of (n1 - i) / (T - i), far below the smallest double; S stays
// finite and exact.
TEST(KeynessScores, SpecificityOfLargeTextsStaysFiniteAndExact)
{
    const FormInTwoTexts form{500'000, 0, 8'500'000, 8'500'000};
    long double log10Probability = 0;
    for (std::int64_t i = 0; i < form.f1; ++i)
        log10Probability +=
            std::log10(static_cast<long double>(form.n1 - i) / static_cast<long double>(form.n1 + form.n2 - i));
    const double score = specificity(form);
    ASSERT_TRUE(std::isfinite(score));
    EXPECT_NEAR(score, static_cast<double>(-log10Probability), 1e-6 * score);
    // Used alike: a probability near one half, S near 0.
    EXPECT_LT(std::abs(specificity({250'000, 250'000, 8'500'000, 8'500'000})), 0.5);
}

TEST(KeynessScores, LogLikelihoodAndLogRatio)
{
    // E1 = E2 = 2: G² = 2 (3 ln 1.5 + ln 0.5).
    EXPECT_NEAR(logLikelihood({3, 1, 5, 5}), 2 * (3 * std::log(1.5) + std::log(0.5)), 1e-12);
    EXPECT_EQ(logLikelihood({2, 2, 5, 5}), 0);
    EXPECT_NEAR(logLikelihood({4, 0, 4, 4}), 2 * 4 * std::log(2.0), 1e-12); // 0 ln 0 = 0
    EXPECT_EQ(logLikelihood({0, 5, 0, 5}), 0);                              // text 1 empty

    EXPECT_NEAR(*logRatio({3, 1, 5, 5}), std::log2(3.0), 1e-12);
    EXPECT_NEAR(*logRatio({3, 0, 5, 5}), std::log2(6.0), 1e-12); // 0 counted as 0.5
    EXPECT_FALSE(logRatio({0, 5, 0, 5}));
    EXPECT_NEAR(*per10000(3, 1200), 25.0, 1e-12);
    EXPECT_FALSE(per10000(0, 0));
}

// Every form of either text, those of text 2 alone merged into text 1's in alphabetical
// order; equal specificities stay alphabetical.
TEST(SpecificityReport, FormsOfEitherTextInAlphabeticalOrder)
{
    const SpecificityReport report = specificityReport(tokenize("\xE9t\xE9 a c"), tokenize("b d c"));
    std::vector<std::string> forms;
    std::vector<std::size_t> ranks;
    for (const SpecificForm& form : report.forms) {
        forms.push_back(form.form);
        ranks.push_back(form.alphabeticalRank);
    }
    EXPECT_EQ(forms, (std::vector<std::string>{"a", "\xE9t\xE9", "c", "b", "d"}));
    EXPECT_EQ(ranks, (std::vector<std::size_t>{0, 4, 2, 1, 3}));
}

// The chart's forms: the specific ones nearest either end, none twice.
TEST(SpecificityReport, ExtremesReachTheThresholdFromEitherEnd)
{
    SpecificityReport report;
    for (const double score : {5, 3, 1, 0, -1, -3, -5}) {
        SpecificForm form;
        form.specificity = score;
        report.forms.push_back(form);
    }
    EXPECT_EQ(report.extremes(1), (std::vector<std::size_t>{0, 6}));
    EXPECT_EQ(report.extremes(20), (std::vector<std::size_t>{0, 1, 5, 6}));
    report.threshold = 0; // every form specific, on both sides when 0
    EXPECT_EQ(report.extremes(20).size(), report.forms.size());
}

} // namespace
} // namespace quorvelle
