// Juilland's D and Gries's DP explained on the manual's worked example, « chat » in « Le chat,
// le chien, le loup, le chat, le lion. »: in 5 equal parts, 4 unequal ones, 100 parts, and for
// an absent form.
#include "core/explanations/dispersion_explanations.h"
#include "tests/core/explanation_facts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvelle {
namespace {

using test::computes;
using test::leavesEmpty;
using test::numbersIn;

const ExplanationNumbers french(',');

constexpr std::string_view animals = "Le chat, le chien, le loup, le chat, le lion.";

TEST(DispersionExplanations, TheManualsExampleInFiveParts)
{
    // f = 2 of N = 10 forms, in parts 1 and 4 of 5: m = 0,4, Σ (aᵢ − m)² = 1,2,
    // σ = √(1,2 / 5), CV = σ / 0,4, D = 1 − CV / √4.
    const DispersionReport report = dispersionReport(animals, "chat", 5);
    const FigureExplanation d = explainJuillandD(report, french);
    EXPECT_TRUE(computes(d, {"2",   "10",  "5",   "1",        "0",         "0",         "1",     "0",
                             "2",   "5",   "0,4", "3",        "0",         "0,4",       "2",     "1",
                             "0,4", "1,2", "1,2", "5",        "0,489897…", "0,489897…", "0,4",   "1,22474…",
                             "4",   "2",   "1",   "1,22474…", "2",         "0,387627…", "0,3876"},
                         "0,3876"));
    // Parts of 2 forms each: oᵢ − sᵢ is 0 / 2 − 2 / 10 three times, 1 / 2 − 2 / 10 twice.
    const FigureExplanation dp = explainGriesDP(report, french);
    EXPECT_TRUE(computes(dp, {"3", "0", "2", "2", "10", "2", "1", "2", "2", "10", "1,2", "1,2", "0,6"}, "0,6"));
    EXPECT_EQ(dp.manualPage, "repartition.html");
}

TEST(DispersionExplanations, UnequalAndManyPartsAndAnAbsentForm)
{
    // Parts of 2, 3, 2 and 3 forms: DP = ½ (0,2 + 0,3 + 0,3 + 0,2).
    const FigureExplanation unequal = explainGriesDP(dispersionReport(animals, "chat", 4), french);
    EXPECT_TRUE(computes(unequal, {"2", "3", "2", "3",  "0", "2", "2", "10", "0", "2", "3",  "10",
                                   "1", "2", "2", "10", "1", "2", "3", "10", "1", "1", "0,5"},
                         "0,5"));

    // 100 parts, 98 of them empty: their counts are left to the table of parts, not their sum.
    const FigureExplanation many = explainJuillandD(dispersionReport(animals, "chat", 100), french);
    EXPECT_LT(numbersIn(many).size(), 100u);
    EXPECT_TRUE(computes(many, {"100", "2", "100", "0,02", "98", "0", "0,02", "2", "1", "0,02", "1,96"}, "0,2965"));

    const DispersionReport absent = dispersionReport(animals, "renard", 10);
    for (const FigureExplanation& undefined : {explainJuillandD(absent, french), explainGriesDP(absent, french)})
        EXPECT_TRUE(leavesEmpty(undefined, "—", {"f = 0"}));
}

} // namespace
} // namespace quorvelle
