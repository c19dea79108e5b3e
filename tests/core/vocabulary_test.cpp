// Counting the vocabulary, its spectrum and the vocabulary list report.
#include "core/vocabulary.h"
#include "core/vocabulary_report.h"

#include "core/encoding.h"
#include "core/segmentation.h"
#include "core/literal_vocabulary.h"
#include "core/test_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvelle {
namespace {

using test::SortedStringList;
using test::groupEqualNeighbours;

using test::cp1252;

std::vector<FormCount> formCounts(std::initializer_list<std::pair<const char*, std::int64_t>> rows)
{
    std::vector<FormCount> forms;
    for (const auto& [form, count] : rows)
        forms.push_back({cp1252(form), count});
    return forms;
}

// The reference path: every lower-cased form into the sorted list, equal neighbours grouped.
std::vector<FormCount> vocabularyThroughSortedList(std::string_view text)
{
    SortedStringList list;
    for (std::string& form : lowerCasedForms(text))
        list.add(std::move(form));
    return groupEqualNeighbours(list);
}

TEST(Vocabulary, CountsLowerCasedFormsAlphabetically)
{
    const TextVocabulary vocabulary = countVocabulary("Le chat, le Chien.");
    EXPECT_EQ(vocabulary.tokenCount, 4);
    EXPECT_EQ(vocabulary.distinctCount, 3);
    EXPECT_EQ(vocabulary.forms, formCounts({{"chat", 1}, {"chien", 1}, {"le", 2}}));
    EXPECT_EQ(frequencySpectrum(vocabulary.forms), (std::vector<std::int64_t>{0, 2, 1}));
}

TEST(Vocabulary, CaseJoinsFormsButAccentsSeparateThem)
{
    const TextVocabulary vocabulary = countVocabulary(cp1252("ÉTÉ été a à A"));
    EXPECT_EQ(vocabulary.forms, formCounts({{"a", 2}, {"à", 1}, {"été", 2}}));
}

TEST(Vocabulary, TextWithoutLettersIsEmpty)
{
    for (const char* text : {"", "12 ; 3,4 !\r\n"}) {
        const TextVocabulary vocabulary = countVocabulary(text);
        EXPECT_EQ(vocabulary.tokenCount, 0);
        EXPECT_EQ(vocabulary.distinctCount, 0);
        EXPECT_TRUE(vocabulary.forms.empty());
        EXPECT_EQ(frequencySpectrum(vocabulary.forms), std::vector<std::int64_t>{0});
    }
}

TEST(Vocabulary, GroupingClosesTheLastGroupAndHandlesEmptyLists)
{
    SortedStringList list;
    EXPECT_TRUE(groupEqualNeighbours(list).empty());
    for (const char* form : {"le", "chat", "le"})
        list.add(form);
    EXPECT_EQ(groupEqualNeighbours(list), formCounts({{"chat", 1}, {"le", 2}}));
}

TEST(Vocabulary, NoSixteenBitLimitAndNoSpectrumCap)
{
    std::string text;
    for (int index = 0; index < 40000; ++index)
        text += index % 2 == 0 ? "le " : "x ";
    text += "seul";
    const TextVocabulary vocabulary = countVocabulary(text);
    EXPECT_EQ(vocabulary.tokenCount, 40001);
    EXPECT_EQ(vocabulary.forms, formCounts({{"le", 20000}, {"seul", 1}, {"x", 20000}}));
    const std::vector<std::int64_t> spectrum = frequencySpectrum(vocabulary.forms);
    ASSERT_EQ(spectrum.size(), 20001u);
    EXPECT_EQ(spectrum[20000], 2);
    EXPECT_EQ(spectrum[1], 1);
}

// The hash-map path must give exactly what inserting every occurrence into the sorted
// list gives, on real texts in both encodings.
class VocabularyOnRealTexts : public testing::TestWithParam<const char*> {};

TEST_P(VocabularyOnRealTexts, EqualsTheSortedListPath)
{
    const std::string text = decodeText(test::testDataBytes(GetParam()), Encoding::Auto);
    const TextVocabulary vocabulary = countVocabulary(text);
    EXPECT_EQ(vocabulary.forms, vocabularyThroughSortedList(text));
    EXPECT_EQ(vocabulary.tokenCount, countForms(text));
}

INSTANTIATE_TEST_SUITE_P(Corpus, VocabularyOnRealTexts, testing::Values(
    "corpus/r01_flaubert_bovary_incipit.txt",
    "corpus/r02_maupassant_une_vie.txt",
    "corpus/r03_daudet_petit_chose.txt",
    "corpus/r05_france_dieux_ont_soif.txt"));

TEST(VocabularyReport, TotalsAndBothOrders)
{
    const VocabularyReport report = vocabularyReport("Le chat, le Chien.");
    EXPECT_EQ(report.tokenCount, 4);
    EXPECT_EQ(report.distinctCount, 3);
    EXPECT_EQ(report.meanFrequency, 1.3);
    EXPECT_EQ(report.alphabetical, formCounts({{"chat", 1}, {"chien", 1}, {"le", 2}}));
    EXPECT_EQ(report.byFrequency, formCounts({{"le", 2}, {"chat", 1}, {"chien", 1}}));
}

TEST(VocabularyReport, FrequencyOrderListsEachFormOnceTiesAlphabetical)
{
    const VocabularyReport report = vocabularyReport("a a b.");
    EXPECT_EQ(report.byFrequency, formCounts({{"a", 2}, {"b", 1}}));
    const VocabularyReport mixed = vocabularyReport("z y z x y z w");
    EXPECT_EQ(mixed.byFrequency, formCounts({{"z", 3}, {"y", 2}, {"w", 1}, {"x", 1}}));
}

TEST(VocabularyReport, MeanRoundsHalvesToEven)
{
    EXPECT_EQ(vocabularyReport("a a a b b c c d d").meanFrequency, 2.2);     // 9 / 4 = 2.25
    EXPECT_EQ(vocabularyReport("a a a b b b c c c d d").meanFrequency, 2.8); // 11 / 4 = 2.75
    EXPECT_EQ(meanFrequency(5, 4), 1.2);
}

TEST(VocabularyReport, NoFormMeansNoMean)
{
    const VocabularyReport report = vocabularyReport("2001 !");
    EXPECT_EQ(report.tokenCount, 0);
    EXPECT_EQ(report.distinctCount, 0);
    EXPECT_FALSE(report.meanFrequency.has_value());
    EXPECT_TRUE(report.alphabetical.empty());
    EXPECT_TRUE(report.byFrequency.empty());
}

} // namespace
} // namespace quorvelle
