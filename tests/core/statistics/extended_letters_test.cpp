// The extended letter rule: œ, Œ, Ÿ, Š, Ž and their partners are letters for every statistic,
// from the cutting of the forms to the statistics that read the text themselves.
#include "core/reports/collocate_report.h"
#include "core/reports/concordance.h"
#include "core/reports/concordance_order.h"
#include "core/reports/dispersion_report.h"
#include "core/statistics/comparison_statistic.h"
#include "core/statistics/counts_statistic.h"
#include "core/statistics/letters_statistic.h"
#include "core/statistics/segments_statistic.h"
#include "core/statistics/sentence_lengths_statistic.h"
#include "core/statistics/start_end_letters_statistic.h"
#include "tests/core/test_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace quorvelle {
namespace {

using test::cp1252;

const std::string text = cp1252("Le cœur de ma SŒUR. Son Cœur bat ! L'Œil, l'œuvre et Ÿvonne.");

std::vector<std::string> alphabeticalForms(const TokenizedText& tokens)
{
    std::vector<std::string> forms;
    for (const FormTable::Id id : tokens.alphabetical)
        forms.push_back(tokens.forms.form(id));
    return forms;
}

TEST(ExtendedLetters, FormsKeepTheirLigaturesLowerCasedAndCollatedAsWritten)
{
    const TokenizedText tokens = tokenize(text, Occurrences::Kept, LetterRule::Extended);
    EXPECT_EQ(tokens.letters, LetterRule::Extended);
    EXPECT_EQ(tokens.tokenCount(), 14);
    // Œ lower-cases to œ and Ÿ to ÿ; œ sorts as "oe": "sœur" before "son".
    EXPECT_EQ(alphabeticalForms(tokens),
              (std::vector<std::string>{cp1252("bat"), cp1252("cœur"), cp1252("de"), cp1252("et"), cp1252("l"),
                                        cp1252("le"), cp1252("ma"), cp1252("œil"), cp1252("œuvre"), cp1252("sœur"),
                                        cp1252("son"), cp1252("ÿvonne")}));
    EXPECT_EQ(tokens.forms.count(*tokens.forms.find(cp1252("cœur"))), 2);

    // The classic rule, the default, still splits them.
    const TokenizedText classic = tokenize(text);
    EXPECT_EQ(classic.letters, LetterRule::Classic);
    EXPECT_TRUE(classic.forms.find("ur").has_value());
    EXPECT_FALSE(classic.forms.find(cp1252("cœur")).has_value());
}

TEST(ExtendedLetters, TheCatalogueComputesEveryStatisticByTheTextsRule)
{
    const AnalysedTexts texts(text, text, LetterRule::Extended);
    EXPECT_EQ(texts.letters(), LetterRule::Extended);

    const CharacterCounts counts = CountsStatistic::report(texts);
    EXPECT_EQ(counts.alphabetic, 42);
    EXPECT_EQ(counts.words, 14);
    EXPECT_EQ(counts.alphabetic + counts.numeric + counts.special, counts.total);

    const SentenceListing listing = SentenceLengthsStatistic::report(texts);
    const SentenceTotals sentences = sentenceTotals(listing.text, listing.letters);
    EXPECT_EQ(sentences.sentenceCount, 3);
    EXPECT_EQ(sentences.tokenCount, 14);

    const LetterReport letters = LettersStatistic::report(texts);
    const auto ligature = std::ranges::find(letters.keys, cp1252("œ"), &KeyRows::key);
    ASSERT_NE(ligature, letters.keys.end());
    EXPECT_EQ(std::prev(ligature)->key, "o"); // œ ranks as "oe", after o
    EXPECT_EQ(ligature->rows.front().formCount, 5);

    const EdgeLetterReport edges = StartEndLettersStatistic::report(texts);
    EXPECT_TRUE(std::ranges::any_of(edges.rows, [](const EdgeLetterRow& row) {
        return row.letter == '\x9C' && row.startCount == 2 && row.endCount == 0;
    }));

    EXPECT_EQ(ComparisonStatistic::report(texts).commonCount, 12);

    const RepeatedSegmentsReport segments =
        SegmentsStatistic::report(AnalysedTexts(cp1252("mon cœur. Mon CŒUR."), std::nullopt, LetterRule::Extended));
    ASSERT_EQ(segments.segments.size(), 1u);
    EXPECT_EQ(segments.segments.front().forms, cp1252("mon cœur"));
}

TEST(ExtendedLetters, FormsFoundInTheTextFollowTheRule)
{
    const Concordance found = concordance(text, cp1252("CŒUR"), {4, ContextUnit::Characters}, LetterRule::Extended);
    EXPECT_EQ(found.form, cp1252("cœur"));
    ASSERT_EQ(found.occurrences.size(), 2u);
    EXPECT_EQ(found.occurrences[1].form, cp1252("Cœur"));

    // By the form after: "bat" before "de".
    const ConcordanceKey formAfter = ConcordanceKey::FirstRight;
    EXPECT_EQ(concordanceOrder(found, {&formAfter, 1}), (std::vector<std::size_t>{1, 0}));

    const DispersionReport dispersion = dispersionReport(text, cp1252("sœur"), 2, LetterRule::Extended);
    EXPECT_EQ(dispersion.attestations, 1);
    EXPECT_EQ(dispersion.letters, LetterRule::Extended);

    const CollocateReport collocates =
        collocateReport(text, cp1252("cœur"), CollocateOptions{.span = 1}, LetterRule::Extended);
    EXPECT_EQ(collocates.pivotAttestations, 2);
    EXPECT_EQ(collocates.letters, LetterRule::Extended);
}

} // namespace
} // namespace quorvelle
