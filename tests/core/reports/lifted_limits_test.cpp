// The lifted limits, one row each: the smallest text past a limit that the statistics once
// had (16-bit counters, 500 lengths or classes, 255 rows), and what shows that nothing
// was capped or wrapped.
#include "core/reports/cooccurrence_report.h"
#include "core/reports/edge_letter_report.h"
#include "core/reports/enrichment_report.h"
#include "core/reports/frequency_report.h"
#include "core/reports/key_distribution.h"
#include "core/reports/length_report.h"
#include "core/text/vocabulary.h"

#include "core/test_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvelle {
namespace {

using test::repeated;

constexpr std::size_t beyond16Bits = 65536;

std::vector<OccurrenceRow> rowsOf(const KeyDistribution& distribution)
{
    return distribution.keys.size() == 1 ? distribution.keys[0].rows : std::vector<OccurrenceRow>{};
}

struct Limit {
    const char* name;
    void (*check)();
};

const Limit limits[] = {
    // 16-bit counters of attestations, a sorted list of 32767 entries, a spectrum of 1500
    // slots and frequency classes up to 500.
    {"AttestationsOfAForm",
     [] {
         const std::string text = repeated("le ", beyond16Bits) + "fin";
         EXPECT_EQ(countVocabulary(text), (TextVocabulary{65537, {{"fin", 1}, {"le", 65536}}, 2}));
         EXPECT_EQ(frequencySpectrum({{"le", 65536}}).at(65536), 1);
         EXPECT_EQ(frequencyReport(text).rows.at(0).frequency, 65536);
     }},
    {"LengthsBeyond500CharactersAndFormsOfOneLengthBeyond16Bits",
     [] {
         const std::string form(501, 'x');
         EXPECT_EQ(lengthReport(form).rows, (std::vector<LengthRow>{{1, 501, 100, {{form, 1}}}}));
         EXPECT_EQ(lengthReport(repeated("le ", beyond16Bits)).rows,
                   (std::vector<LengthRow>{{65536, 2, 100, {{"le", 65536}}}}));
     }},
    {"KeysBeyond255LettersOr50DoublingsOrPairsInAForm",
     [] {
         EXPECT_EQ(rowsOf(letterReport(std::string(256, 'a'))).at(0).occurrences, 256);
         EXPECT_EQ(rowsOf(doubledLetterReport(std::string(52, 'l'))).at(0).occurrences, 51);
         EXPECT_EQ(letterPairReport(repeated("ab", 51)).keys.at(0).rows.at(0).occurrences, 51);
     }},
    {"FormsOfAKeyBeyond16Bits", // the three schemes share the counting
     [] {
         EXPECT_EQ(rowsOf(letterReport(repeated("aa ", beyond16Bits))),
                   (std::vector<OccurrenceRow>{{2, 65536, {{"aa", 65536}}}}));
     }},
    {"EdgesBeyond16Bits",
     [] {
         EXPECT_EQ(edgeLetterReport(repeated("sas ", beyond16Bits)).rows,
                   (std::vector<EdgeLetterRow>{{'s', 65536, 65536, {{"sas", 65536}}, {{"sas", 65536}}}}));
     }},
    // Rows stopped at 500 attestations, and a pair's counter had 16 bits.
    {"CooccurrencesBeyond16Bits",
     [] {
         const CooccurrenceReport report = cooccurrenceReport(repeated("a b ", beyond16Bits));
         EXPECT_EQ(report.rows, (std::vector<CooccurrenceRow>{{65535, 1, 0}, {65536, 1, 1}}));
         EXPECT_EQ(report.pairs, (std::vector<FormCount>{{"a b", 65536}, {"b a", 65535}}));
         EXPECT_EQ(report.byCount, (std::vector<std::size_t>{1, 0}));
     }},
    // More followers than one pass of the counting holds: the forms are counted in two.
    {"CooccurrencesInSeveralPasses",
     [] {
         constexpr std::int64_t times = 400'000;
         const CooccurrenceReport report = cooccurrenceReport(repeated("a b c ", static_cast<std::size_t>(times)));
         EXPECT_EQ(report.pairs, (std::vector<FormCount>{{"a b", times}, {"b c", times}, {"c a", times - 1}}));
     }},
    {"EnrichmentBeyond255Slices",
     [] {
         EXPECT_EQ(enrichmentReport(repeated("le ", 25601)).slices.back(), (EnrichmentSlice{257, 0, 1}));
     }},
};

class LiftedLimit : public testing::TestWithParam<Limit> { };

TEST_P(LiftedLimit, NothingIsCapped)
{
    GetParam().check();
}

INSTANTIATE_TEST_SUITE_P(Core, LiftedLimit, testing::ValuesIn(limits),
                         [](const testing::TestParamInfo<Limit>& info) { return std::string(info.param.name); });

} // namespace
} // namespace quorvelle
