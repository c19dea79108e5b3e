// A form's occurrences: compared lower-cased, with their lines and contexts as written.
#include "core/reports/concordance.h"

#include <gtest/gtest.h>

namespace quorvelle {
namespace {

TEST(Concordance, OccurrencesLinesAndContexts)
{
    // CR LF, LF and CR each end one line; a form inside a longer one is not an occurrence. A
    // context stops before a form its width would cut.
    const Concordance found =
        concordance("De la mer.\r\nDe la terre, de\nla\rmer demeure", "DE", {6, ContextUnit::Characters});
    EXPECT_EQ(found.form, "de");
    EXPECT_EQ(found.occurrences,
              (std::vector<ConcordanceLine>{{1, "", "De", " la ", 0, 2},
                                            {2, "mer.\xB6", "De", " la ", 12, 14},
                                            {2, ", ", "de", "\xB6la\xB6", 25, 27}}));
    EXPECT_EQ(concordance("la mer", "mer", {40, ContextUnit::Characters}).occurrences,
              (std::vector<ConcordanceLine>{{1, "la ", "mer", "", 3, 6}}));
    EXPECT_TRUE(concordance("la mer", "terre", {40, ContextUnit::Characters}).occurrences.empty());
    // A co-occurrence: two forms that follow each other, whatever separates them.
    EXPECT_EQ(concordance("Le chat. Le\r\nchat, le chien", "le chat", {3, ContextUnit::Characters}).occurrences,
              (std::vector<ConcordanceLine>{{1, "", "Le chat", ". ", 0, 7},
                                            {1, ". ",
                                             "Le\xB6"
                                             "chat",
                                             ", ", 9, 17}}));
}

// Runs of forms by their numbers: each with its line and contexts, several forms whole.
TEST(Concordance, RunsOfFormsByNumber)
{
    const std::vector<FormRun> runs = {{1, 1}, {3, 2}};
    EXPECT_EQ(concordanceOfRuns("Le chat\ndort aujourd'hui.", runs, {4, ContextUnit::Characters}).occurrences,
              (std::vector<ConcordanceLine>{{1, "Le ", "chat", "\xB6", 3, 7}, {2, " ", "aujourd'hui", ".", 13, 24}}));
    EXPECT_TRUE(concordanceOfRuns("le chat", {}, {4, ContextUnit::Characters}).occurrences.empty());
}

// Every run of forms that answer a query, overlapping ones included, and the forms found, most
// attested first.
TEST(Concordance, QueriesOfPatterns)
{
    const std::string text = "Le le le chat. La lune, le loup.";
    const TokenizedText tokens = tokenize(text);
    const ConcordanceContext context = {3, ContextUnit::Characters};
    const Concordance found =
        queryConcordance(text, tokens, formQuery("le l*", PatternSyntax::Wildcards), "le l*", context);
    EXPECT_EQ(found.query, "le l*");
    EXPECT_EQ(found.occurrences,
              (std::vector<ConcordanceLine>{
                  {1, "", "Le le", " le", 0, 5}, {1, "Le ", "le le", " ", 3, 8}, {1, ", ", "le loup", ".", 24, 31}}));
    EXPECT_EQ(found.matches, (std::vector<FormCount>{{"le le", 2}, {"le loup", 1}}));
    // A query of one form.
    const Concordance articles =
        queryConcordance(text, tokens, formQuery("l[ae]", PatternSyntax::Wildcards), "l[ae]", context);
    EXPECT_EQ(articles.matches, (std::vector<FormCount>{{"le", 4}, {"la", 1}}));
    EXPECT_TRUE(
        queryConcordance(text, tokens, formQuery("x*", PatternSyntax::Wildcards), "x*", context).matches.empty());
}

// The forms a letter or two away, the most attested first among equals; none too far.
TEST(Concordance, ClosestForms)
{
    const TokenizedText tokens = tokenize("citoyen citoyens citoyens cite toit lune");
    // One letter away each, citoyens twice attested.
    EXPECT_EQ(closestForms(tokens, "citoyenx"), (std::vector<std::string>{"citoyens", "citoyen"}));
    EXPECT_EQ(closestForms(tokens, "citoyen", 1), (std::vector<std::string>{"citoyens"}));
    EXPECT_TRUE(closestForms(tokens, "soleil").empty());
}

} // namespace
} // namespace quorvelle
