// The lemmas of a text counted by form and category.
#include "core/lemmas/lemma_report.h"

#include "core/test_texts.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <numeric>

namespace quorvelle {
namespace {

using test::cp1252;

LemmaReport reportOf(std::string_view utf8)
{
    static const FrenchDictionary dictionary;
    const std::string text = cp1252(utf8);
    const TokenizedText tokens = tokenize(text);
    return lemmaReport(tokens, lemmatize(text, tokens, dictionary));
}

const LemmaRow& rowOf(const LemmaReport& report, std::string_view utf8Lemma, WordCategory category)
{
    const std::string lemma = cp1252(utf8Lemma);
    const auto found = std::ranges::find_if(
        report.lemmas, [&](const LemmaRow& row) { return row.lemma == lemma && row.category == category; });
    EXPECT_NE(found, report.lemmas.end()) << utf8Lemma;
    return *found;
}

TEST(LemmaReport, GathersEachLemmaWithItsForms)
{
    const LemmaReport report = reportOf("Nous mangeons, il mangeait, elle a mangé ; il mange. Les chevaux, le cheval.");
    const LemmaRow& manger = rowOf(report, "manger", WordCategory::Verb);
    EXPECT_EQ(manger.count, 4);
    EXPECT_EQ(manger.formCount, 4);
    // By attestations, then in alphabetical order.
    EXPECT_EQ(manger.forms.front().form, cp1252("mange"));
    EXPECT_EQ(rowOf(report, "cheval", WordCategory::Noun).forms,
              (std::vector<FormCount>{{"cheval", 1}, {"chevaux", 1}}));
    // Lemmas by attestations, then in alphabetical order.
    EXPECT_EQ(report.lemmas[0].lemma, "manger");
    EXPECT_EQ(report.lemmas[1].lemma, "cheval");
    EXPECT_EQ(report.lemmas[2].lemma, "il");
    EXPECT_EQ(report.lemmas[3].lemma, "le");
}

TEST(LemmaReport, CountsAWordWrittenAcrossAnApostropheOnce)
{
    const LemmaReport report = reportOf("aujourd'hui et aujourd'hui");
    EXPECT_EQ(report.wordCount, 3);
    const LemmaRow& today = rowOf(report, "aujourd'hui", WordCategory::Adverb);
    EXPECT_EQ(today.count, 2);
    EXPECT_EQ(today.forms, (std::vector<FormCount>{{"aujourd'hui", 2}}));
}

TEST(LemmaReport, SaysWhatAnAmbiguousLemmaCouldHaveBeen)
{
    const LemmaReport report = reportOf("il est là, à l'est");
    const LemmaRow& verb = rowOf(report, "être", WordCategory::Verb);
    EXPECT_EQ(verb.ambiguous, 1);
    EXPECT_EQ(verb.otherReadings, "est (nom)");
    EXPECT_EQ(rowOf(report, "est", WordCategory::Noun).otherReadings, cp1252("être (verbe)"));
    EXPECT_EQ(rowOf(report, "il", WordCategory::Pronoun).otherReadings, "");
}

TEST(LemmaReport, TheProfileCoversEveryWordOnce)
{
    const LemmaReport report = reportOf("Le petit chat de Nanon dort, il dort bien ; un zorglubien, deux zorglubiens.");
    ASSERT_EQ(report.categories.size(), allWordCategories.size());
    const auto total = std::accumulate(report.categories.begin(), report.categories.end(), std::int64_t{0},
                                       [](std::int64_t sum, const CategoryRow& row) { return sum + row.count; });
    EXPECT_EQ(total, report.wordCount);
    const CategoryRow& verbs = report.categories[static_cast<std::size_t>(WordCategory::Verb)];
    EXPECT_EQ(verbs.count, 2);
    EXPECT_EQ(verbs.distinct, 1);
    EXPECT_DOUBLE_EQ(verbs.share, 15.38); // 2 of 13 words
    EXPECT_EQ(report.unknown, (std::vector<FormCount>{{"zorglubien", 1}, {"zorglubiens", 1}}));
    EXPECT_EQ(rowOf(report, "Nanon", WordCategory::ProperNoun).count, 1);
}

TEST(LemmaReport, ATextWithoutFormsHasAnEmptyProfile)
{
    const LemmaReport report = reportOf("12, 13.");
    EXPECT_EQ(report.wordCount, 0);
    EXPECT_TRUE(report.lemmas.empty());
    EXPECT_EQ(report.categories.size(), allWordCategories.size());
    EXPECT_EQ(report.categories.front().share, 0);
}

} // namespace
} // namespace quorvelle
