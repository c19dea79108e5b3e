// A form's occurrences: compared lower-cased, with their lines and contexts as written.
#include "core/reports/concordance.h"

#include <gtest/gtest.h>

namespace quorvelle {
namespace {

TEST(Concordance, OccurrencesLinesAndContexts)
{
    // CR LF, LF and CR each end one line; a form inside a longer one is not an occurrence.
    const Concordance found = concordance("De la mer.\r\nDe la terre, de\nla\rmer demeure", "DE", 6);
    EXPECT_EQ(found.form, "de");
    EXPECT_EQ(found.occurrences,
              (std::vector<ConcordanceLine>{
                  {1, "", "De", " la me"}, {2, "mer.\xB6", "De", " la te"}, {2, "erre, ", "de", "\xB6la\xB6me"}}));
    EXPECT_EQ(concordance("la mer", "mer", 40).occurrences, (std::vector<ConcordanceLine>{{1, "la ", "mer", ""}}));
    EXPECT_TRUE(concordance("la mer", "terre", 40).occurrences.empty());
    // A co-occurrence: two forms that follow each other, whatever separates them.
    EXPECT_EQ(concordance("Le chat. Le\r\nchat, le chien", "le chat", 3).occurrences,
              (std::vector<ConcordanceLine>{{1, "", "Le chat", ". L"},
                                            {1, "t. ",
                                             "Le\xB6"
                                             "chat",
                                             ", l"}}));
}

// Runs of forms by their numbers: each with its line and contexts, several forms whole.
TEST(Concordance, RunsOfFormsByNumber)
{
    const std::vector<FormRun> runs = {{1, 1}, {3, 2}};
    EXPECT_EQ(concordanceOfRuns("Le chat\ndort aujourd'hui.", runs, 4).occurrences,
              (std::vector<ConcordanceLine>{{1, "Le ", "chat",
                                             "\xB6"
                                             "dor"},
                                            {2, "ort ", "aujourd'hui", "."}}));
    EXPECT_TRUE(concordanceOfRuns("le chat", {}, 4).occurrences.empty());
}

// Every run of forms that answer a query, overlapping ones included, and the forms found, most
// attested first.
TEST(Concordance, QueriesOfPatterns)
{
    const std::string text = "Le le le chat. La lune, le loup.";
    const TokenizedText tokens = tokenize(text);
    const Concordance found = queryConcordance(text, tokens, formQuery("le l*", PatternSyntax::Wildcards), "le l*", 3);
    EXPECT_EQ(found.query, "le l*");
    EXPECT_EQ(found.occurrences,
              (std::vector<ConcordanceLine>{
                  {1, "", "Le le", " le"}, {1, "Le ", "le le", " ch"}, {1, "e, ", "le loup", "."}}));
    EXPECT_EQ(found.matches, (std::vector<FormCount>{{"le le", 2}, {"le loup", 1}}));
    // A query of one form.
    const Concordance articles =
        queryConcordance(text, tokens, formQuery("l[ae]", PatternSyntax::Wildcards), "l[ae]", 3);
    EXPECT_EQ(articles.matches, (std::vector<FormCount>{{"le", 4}, {"la", 1}}));
    EXPECT_TRUE(queryConcordance(text, tokens, formQuery("x*", PatternSyntax::Wildcards), "x*", 3).matches.empty());
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

// By the form just before or after, in French alphabetical order ("et" before "été"); the
// same neighbour, or none (first), keeps the text's order.
TEST(Concordance, OrderByNeighbouringForms)
{
    const Concordance found = concordance("De Chine, pomme de terre; \xE9t\xE9 de B, et de b. Mer de", "de", 12);
    EXPECT_EQ(concordanceOrder(found, ConcordanceOrder::LeftWord), (std::vector<std::size_t>{0, 3, 2, 4, 1}));
    EXPECT_EQ(concordanceOrder(found, ConcordanceOrder::RightWord), (std::vector<std::size_t>{4, 2, 3, 0, 1}));
    EXPECT_EQ(concordanceOrder(found, ConcordanceOrder::Position), (std::vector<std::size_t>{0, 1, 2, 3, 4}));
}

} // namespace
} // namespace quorvelle
