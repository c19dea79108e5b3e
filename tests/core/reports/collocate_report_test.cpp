// The forms around a pivot: which positions the spans cover, and how the forms found there
// are scored, ordered and filtered.
#include "core/reports/collocate_report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace quorvelle {
namespace {

using Found = std::vector<std::pair<std::string, std::int64_t>>; // form, c

TEST(CollocateReport, SpansCoverEachPositionOnce)
{
    const std::string twoSentences = "p a. b c d b. a P"; // 0 p, 1 a | 2 b … 5 b | 6 a, 7 p
    const std::string oneSentence = "a p p b c p d";      // p at 1, 2 and 5
    const struct {
        std::string text, pivot;
        CollocateOptions options;
        std::int64_t spanForms;
        Found found;
    } cases[] = {
        // Pivots at the text's start and end; the sentence ends cut forms 2 and 5 off their spans.
        {twoSentences, "p", {2, true}, 2, {{"a", 2}}},
        {twoSentences, "p", {2, false}, 4, {{"a", 2}, {"b", 2}}},
        // Form 3 lies in all three spans, counted once; the pivots next to each other cover
        // nothing of each other. Equal scores: alphabetical.
        {oneSentence, "p", {2, true}, 4, {{"a", 1}, {"b", 1}, {"c", 1}, {"d", 1}}},
        {oneSentence, "z", {}, 0, {}},
        {oneSentence, "p a", {}, 0, {}}, // two forms are no pivot
    };
    for (const auto& [text, pivot, options, spanForms, found] : cases) {
        const CollocateReport report = collocateReport(text, pivot, options);
        Found actual;
        for (const Collocate& collocate : report.collocates)
            actual.emplace_back(collocate.form, collocate.count);
        EXPECT_EQ(report.spanForms, spanForms) << text << pivot;
        EXPECT_EQ(actual, found) << text << pivot << options.withinSentence;
    }
}

// Around marked occurrences, whatever their forms: the same spans as around a form at those places.
TEST(CollocateReport, AroundMarkedOccurrences)
{
    const std::string text = "a p b q c d";
    const TokenizedText tokens = tokenize(text);
    const CollocateReport marked =
        collocateReportAt(text, tokens, "p ou q", {false, true, false, true, false, false}, {1, true});
    EXPECT_EQ(marked.pivot, "p ou q");
    EXPECT_EQ(marked.pivotAttestations, 2);
    EXPECT_EQ(marked.spanForms, 3); // a, b and c
    Found actual;
    for (const Collocate& collocate : marked.collocates)
        actual.emplace_back(collocate.form, collocate.count);
    EXPECT_EQ(actual, (Found{{"a", 1}, {"b", 1}, {"c", 1}}));
    const CollocateReport byForm = collocateReport(text, tokens, "p", {1, true});
    EXPECT_EQ(collocateReportAt(text, tokens, "p", {false, true}, {1, true}).collocates, byForm.collocates);
}

TEST(CollocateReport, ScoresAreTheHypergeometricTailOfTheSpans)
{
    // N = 12; the pivot at 0, 2 and 4 covers forms 1, 3 and 5: t = 3. x (F = 3) is drawn twice:
    // P(X >= 2) = (C(3,2) C(9,1) + C(3,3) C(9,0)) / C(12,3). y (F = 3) once:
    // P(X >= 1) = 1 − C(9,3) / C(12,3).
    const CollocateReport report = collocateReport("p x p x p y z y z y z x", "p", {1, true});
    EXPECT_EQ(report.pivotAttestations, 3);
    ASSERT_EQ(report.collocates.size(), 2u);
    EXPECT_EQ(report.collocates[0], (Collocate{"x", 2, 3, report.collocates[0].score}));
    EXPECT_NEAR(report.collocates[0].score, static_cast<double>(-std::log10((3.0L * 9 + 1) / 220)), 1e-9);
    EXPECT_NEAR(report.collocates[1].score, static_cast<double>(-std::log10(1 - 84.0L / 220)), 1e-9);

    EXPECT_EQ(shownCollocates(report), (std::vector<std::size_t>{}));
    EXPECT_EQ(shownCollocates(report, {1, 0}), (std::vector<std::size_t>{0, 1}));
    EXPECT_EQ(shownCollocates(report, {2, 0}), (std::vector<std::size_t>{0}));
    EXPECT_EQ(shownCollocates(report, {1, 0.5}), (std::vector<std::size_t>{0}));
}

} // namespace
} // namespace quorvelle
