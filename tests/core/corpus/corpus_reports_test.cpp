// The parts of a corpus, a part's specificities against the corpus, and a form's progression.
#include "core/corpus/corpus_reports.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quorvelle {
namespace {

LexicalTable eachPart(const Corpus& corpus)
{
    return lexicalTable(corpus, partition(corpus));
}

TEST(CorpusReports, PartsHaveTheirSizesHapaxesAndShares)
{
    const CorpusPartsReport report = corpusPartsReport(eachPart(joinedCorpus({{"un", "a a b"}, {"deux", "b c"}})));
    EXPECT_EQ(report.tokens, 5);
    EXPECT_EQ(report.distinct, 3);
    EXPECT_EQ(report.parts, (std::vector<PartSize>{{"un", 3, 2, 1, 0.6}, {"deux", 2, 2, 2, 0.4}}));
}

TEST(CorpusReports, APartsSpecificitiesAreItsFormsDrawnFromTheCorpus)
{
    // Part 1 is 3 forms drawn from the corpus's 5: P(X >= 2) for "a" (F = 2) is
    // C(2,2) C(3,1) / C(5,3) = 3/10; P(X <= 0) for "c" (F = 1) is C(4,3) / C(5,3) = 4/10.
    const LexicalTable table = eachPart(joinedCorpus({{"un", "a a b"}, {"deux", "b c"}}));
    const PartSpecificities part = partSpecificities(table, 0);
    EXPECT_EQ(part.t, 3);
    EXPECT_EQ(part.T, 5);
    ASSERT_EQ(part.forms.size(), 3U);
    EXPECT_EQ(part.forms[0].form, "a");
    EXPECT_NEAR(part.forms[0].specificity, -std::log10(0.3), 1e-12);
    EXPECT_DOUBLE_EQ(part.forms[0].expected, 1.2);
    // "b": f = 1, E = 1.2, the lower tail P(X <= 1) = (C(2,0) C(3,3) + C(2,1) C(3,2)) / 10 = 7/10.
    EXPECT_EQ(part.forms[1].form, "b");
    EXPECT_NEAR(part.forms[1].specificity, std::log10(0.7), 1e-12);
    EXPECT_EQ(part.forms[2], (PartSpecificForm{"c", 0, 1, 0.6, part.forms[2].specificity}));
    EXPECT_NEAR(part.forms[2].specificity, std::log10(0.4), 1e-12);
}

TEST(CorpusReports, AFormProgressesThroughTheParts)
{
    const LexicalTable table = eachPart(joinedCorpus({{"un", "a a b"}, {"deux", "b c"}}));
    const FormProgression a = formProgression(table, "A");
    EXPECT_EQ(a.form, "a");
    EXPECT_EQ(a.total, 2);
    ASSERT_EQ(a.steps.size(), 2U);
    EXPECT_EQ(a.steps[0].count, 2);
    EXPECT_DOUBLE_EQ(*a.steps[0].per10000, 2.0 / 3 * 10000);
    EXPECT_DOUBLE_EQ(a.steps[0].specificity, partSpecificities(table, 0).forms[0].specificity);
    EXPECT_EQ(a.steps[1].count, 0);
    const FormProgression absent = formProgression(table, "z");
    EXPECT_EQ(absent.total, 0);
    EXPECT_EQ(absent.steps[1].specificity, 0);

    // A table that holds a form with a capital (a proper noun's lemma) finds it as written.
    LexicalTable lemmas;
    lemmas.forms.add("Paris");
    lemmas.columns.push_back({"un", 1, {{0, 1}}});
    lemmas.tokens = 1;
    EXPECT_EQ(formProgression(lemmas, "Paris").total, 1);
    EXPECT_EQ(formProgression(lemmas, "Paris").form, "Paris");
}

} // namespace
} // namespace quorvelle
