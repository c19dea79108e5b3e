// Repeated segments: small texts worked out by hand, then a literal enumeration of every
// segment of every sentence compared with the report on random texts; and the suffix array
// and common prefix lengths it rests on, compared with sorting the suffixes one by one.
#include "core/reports/repeated_segments.h"

#include "core/reports/sentence_report.h"
#include "core/test_texts.h"
#include "core/text/collation.h"
#include "core/text/segmentation.h"
#include "core/text/suffix_array.h"
#include "core/text/written_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <tuple>
#include <vector>

namespace quorvelle {
namespace {

using Row = std::tuple<std::string, std::int64_t, std::int64_t>; // text (UTF-8), frequency, length

std::vector<Row> rowsOf(const RepeatedSegmentsReport& report)
{
    std::vector<Row> rows;
    for (const RepeatedSegment& segment : report.segments)
        rows.emplace_back(std::string(segment.forms), segment.frequency, segment.length);
    return rows;
}

struct SegmentsCase {
    const char* name;
    const char* text; // UTF-8
    SegmentOptions options;
    std::vector<Row> rows; // texts in code page 1252
};

void PrintTo(const SegmentsCase& segmentsCase, std::ostream* out)
{
    *out << segmentsCase.text;
}

class Segments : public testing::TestWithParam<SegmentsCase> { };

TEST_P(Segments, AreExactly)
{
    EXPECT_EQ(rowsOf(repeatedSegments(test::cp1252(GetParam().text), GetParam().options)), GetParam().rows);
}

constexpr SegmentOptions maximal{.maximalOnly = true};

INSTANTIATE_TEST_SUITE_P(
    ByHand, Segments,
    testing::Values(
        // "b c" is repeated only across sentence ends.
        SegmentsCase{"SentenceEndsSeparate", "a b. c a b? c", {}, {{"a b", 2, 2}}},
        SegmentsCase{"OverlappingOccurrencesCount", "a a a a", {}, {{"a a", 3, 2}, {"a a a", 2, 3}}},
        SegmentsCase{"LongerFirstThenAlphabetical",
                     "b c d. a z! b c d. a z",
                     {},
                     {{"b c d", 2, 3}, {"a z", 2, 2}, {"b c", 2, 2}, {"c d", 2, 2}}},
        // Whole texts collated: the letters before the accents, "côte b" before "cote c".
        SegmentsCase{"LowerCasedAndCollatedWhole",
                     "Côte b. côte b. cote c. COTE c. cote a. cote a. côte a. côte a.",
                     {},
                     {{"cote a", 2, 2}, {"c\xF4te a", 2, 2}, {"c\xF4te b", 2, 2}, {"cote c", 2, 2}}},
        SegmentsCase{"RareFormsSeparate", "a b x c d. a b y c d.", {}, {{"a b", 2, 2}, {"c d", 2, 2}}},
        SegmentsCase{"MinimumFrequency", "a b. a b. a b. c d. c d.", {.minFrequency = 3}, {{"a b", 3, 2}}},
        SegmentsCase{"LengthBounds",
                     "a b c d e. a b c d e.",
                     {.minLength = 3, .maxLength = 4},
                     {{"a b c d", 2, 4}, {"b c d e", 2, 4}, {"a b c", 2, 3}, {"b c d", 2, 3}, {"c d e", 2, 3}}},
        SegmentsCase{"NoUpperBound",
                     "a b c d e f g h i. a b c d e f g h i.",
                     {.minLength = 9, .maxLength = {}},
                     {{"a b c d e f g h i", 2, 9}}},
        // "a b" always goes on as "a b c", "b c" comes once at the start of a sentence.
        SegmentsCase{"Maximal", "a b c. a b c. b c.", maximal, {{"b c", 3, 2}, {"a b c", 2, 3}}},
        SegmentsCase{"MaximalWithDifferentNeighbours", "x a b y. z a b w.", maximal, {{"a b", 2, 2}}},
        SegmentsCase{"MaximalOverlapping", "a a a. a a a.", maximal, {{"a a", 4, 2}, {"a a a", 2, 3}}},
        // The longer segment that makes "a b" and "b c" not maximal is beyond the bound.
        SegmentsCase{"MaximalBeyondTheBound", "a b c. a b c.", {.maxLength = 2, .maximalOnly = true}, {}},
        SegmentsCase{"NoForms", "2001 ; ...", {}, {}}),
    [](const testing::TestParamInfo<SegmentsCase>& info) { return info.param.name; });

// A paragraph repeated a thousand times: its sentences are its maximal segments, and the
// listing grows with the paragraph, not with the repetitions.
TEST(RepeatedSegments, RepeatedParagraph)
{
    const std::string text = test::repeated("Le chat dort. Le chien aboie dans la cour ! Il pleut.\r\n", 1000);
    EXPECT_EQ(
        rowsOf(repeatedSegments(text, {.maxLength = {}, .maximalOnly = true})),
        (std::vector<Row>{{"le chien aboie dans la cour", 1000, 6}, {"le chat dort", 1000, 3}, {"il pleut", 1000, 2}}));
    EXPECT_EQ(repeatedSegments(text).segments.size(), 3u + 15u + 1u);
}

// More distinct forms than two bytes number, written twice in one sentence: one segment.
TEST(RepeatedSegments, FormsBeyondTwoBytes)
{
    const RepeatedSegmentsReport report =
        repeatedSegments(test::formsText(140'000, 70'000), {.maxLength = {}, .maximalOnly = true});
    ASSERT_EQ(report.segments.size(), 1u);
    EXPECT_EQ(report.segments[0].frequency, 2);
    EXPECT_EQ(report.segments[0].length, 70'000);
    EXPECT_TRUE(report.segments[0].forms.starts_with("a b c "));
}

TEST(RepeatedSegments, OtherOrders)
{
    const RepeatedSegmentsReport report = repeatedSegments("b c d. b c d. a z. a z. a z.");
    ASSERT_EQ(rowsOf(report), (std::vector<Row>{{"a z", 3, 2}, {"b c d", 2, 3}, {"b c", 2, 2}, {"c d", 2, 2}}));
    EXPECT_EQ(repeatedSegmentOrder(report, SegmentOrder::Frequency), (std::vector<std::size_t>{0, 1, 2, 3}));
    EXPECT_EQ(repeatedSegmentOrder(report, SegmentOrder::Alphabetical), (std::vector<std::size_t>{0, 2, 1, 3}));
    EXPECT_EQ(repeatedSegmentOrder(report, SegmentOrder::Length), (std::vector<std::size_t>{1, 0, 2, 3}));
}

// The first occurrence is written on one line, control characters as blanks: a zero byte in
// a binary file does not cut it short.
TEST(RepeatedSegments, FirstOccurrenceIsWrittenOnOneLine)
{
    using namespace std::string_literals;
    const RepeatedSegmentsReport report = repeatedSegments("Qu'IL \x01\0\r\n vient. qu il vient."s);
    ASSERT_EQ(report.segments.size(), 3u);
    EXPECT_EQ(report.segments[0].forms, "qu il vient");
    EXPECT_EQ(report.segments[0].written, "qu'il vient");
}

// A segment's row and its first occurrence as written.
using WrittenRow = std::pair<Row, std::string>;

std::vector<WrittenRow> writtenRowsOf(const RepeatedSegmentsReport& report)
{
    std::vector<WrittenRow> rows;
    for (const RepeatedSegment& segment : report.segments)
        rows.emplace_back(Row(segment.forms, segment.frequency, segment.length), segment.written);
    return rows;
}

// The listing straight from the definitions: every run of two forms or more of every
// sentence with its occurrences, kept when attested often enough, within the bounds and, for
// maximal segments, unless all its occurrences have the same neighbour on one side; each with
// the text from the first form of its first occurrence to its last.
std::vector<WrittenRow> literalSegments(std::string_view text, const SegmentOptions& options)
{
    std::vector<std::vector<std::string>> sentences;
    std::vector<std::vector<std::string_view>> writtenSentences;
    const Alphabet& alphabet = Alphabet::of(LetterRule::Classic);
    forEachSentence(text, LetterRule::Classic, [&](const SentenceRecord& sentence) {
        std::vector<std::string>& forms = sentences.emplace_back();
        std::vector<std::string_view>& written = writtenSentences.emplace_back();
        forEachForm(sentence.text, alphabet, [&](std::string_view form) {
            forms.push_back(alphabet.lowerCased(form));
            written.push_back(form);
        });
    });
    std::map<std::vector<std::string>, std::vector<std::pair<std::size_t, std::size_t>>> occurrences;
    for (std::size_t sentence = 0; sentence < sentences.size(); ++sentence) {
        const std::vector<std::string>& forms = sentences[sentence];
        for (std::size_t start = 0; start < forms.size(); ++start)
            for (std::size_t end = start + 2; end <= forms.size(); ++end)
                occurrences[{forms.begin() + std::ptrdiff_t(start), forms.begin() + std::ptrdiff_t(end)}].emplace_back(
                    sentence, start);
    }
    const auto alwaysSameNeighbour = [&sentences](const auto& places, std::size_t length, bool before) {
        std::optional<std::string> neighbour;
        for (const auto& [sentence, start] : places) {
            const std::vector<std::string>& forms = sentences[sentence];
            if (before ? start == 0 : start + length == forms.size())
                return false;
            const std::string& form = forms[before ? start - 1 : start + length];
            if (neighbour && *neighbour != form)
                return false;
            neighbour = form;
        }
        return true;
    };
    std::vector<WrittenRow> rows;
    for (const auto& [forms, places] : occurrences) {
        const auto length = static_cast<std::int64_t>(forms.size());
        if (std::ssize(places) < std::max<std::int64_t>(2, options.minFrequency) || length < options.minLength
            || length > options.maxLength.value_or(length))
            continue;
        if (options.maximalOnly
            && (alwaysSameNeighbour(places, forms.size(), true) || alwaysSameNeighbour(places, forms.size(), false)))
            continue;
        std::string joined;
        for (const std::string& form : forms)
            joined += (joined.empty() ? "" : " ") + form;
        const auto [sentence, start] = places.front();
        const std::string_view first = writtenSentences[sentence][start];
        const std::string_view last = writtenSentences[sentence][start + forms.size() - 1];
        const std::string written = writtenInLowerCase(
            std::string_view(first.data(), static_cast<std::size_t>(last.data() + last.size() - first.data())),
            LetterRule::Classic);
        rows.emplace_back(Row(joined, std::ssize(places), length), written);
    }
    std::ranges::sort(rows, [](const WrittenRow& writtenLeft, const WrittenRow& writtenRight) {
        const Row& left = writtenLeft.first;
        const Row& right = writtenRight.first;
        if (std::get<1>(left) != std::get<1>(right))
            return std::get<1>(left) > std::get<1>(right);
        if (std::get<2>(left) != std::get<2>(right))
            return std::get<2>(left) > std::get<2>(right);
        return FrenchCollator::instance().compare(std::get<0>(left), std::get<0>(right)) < 0;
    });
    return rows;
}

// Texts of a few forms of the same letters ("a", "à", "A"), so that segments repeat, nest,
// overlap and collate on their accents, or of many forms with stretches written again, so that
// long segments share their first forms.
TEST(RepeatedSegments, AreTheLiteralEnumeration)
{
    const char* const fewForms[] = {"a", "\xE0", "A", "la", "l\xE0", "b"};
    const char* const separators[] = {" ", " ", " ", ", ", "'", "-", " \r\n", ". ", "! ", "?\r\n"};
    const SegmentOptions options[] = {{},
                                      {.maxLength = {}},
                                      {.minFrequency = 3, .minLength = 3, .maxLength = 4},
                                      maximal,
                                      {.maxLength = {}, .maximalOnly = true},
                                      {.minFrequency = 3, .maxLength = 3, .maximalOnly = true}};
    std::mt19937 random(2026);
    for (int round = 0; round < 300; ++round) {
        const bool manyForms = round % 2 == 1;
        std::string text;
        for (std::size_t piece = random() % 60; piece > 0; --piece) {
            if (manyForms && !text.empty() && random() % 4 == 0)
                text += text.substr(random() % text.size(), random() % 80);
            else
                text += (manyForms ? test::numberedForm(random() % 300) : fewForms[random() % std::size(fewForms)])
                    + separators[random() % std::size(separators)];
        }
        for (const SegmentOptions& chosen : options)
            ASSERT_EQ(writtenRowsOf(repeatedSegments(text, chosen)), literalSegments(text, chosen))
                << text << " maximal " << chosen.maximalOnly << " max " << chosen.maxLength.value_or(0);
    }
}

// Random sequences of a few symbols (many repeats, deep reductions) or many (a wide
// alphabet), 16 and 32 bits, against the suffixes sorted one by one.
TEST(SuffixArray, SortsTheSuffixesAndMeasuresTheirCommonPrefixes)
{
    std::mt19937 random(1871);
    for (int round = 0; round < 200; ++round) {
        const std::uint32_t alphabet = round % 2 ? 3 : 300;
        std::vector<std::uint32_t> symbols(random() % 500);
        for (std::uint32_t& symbol : symbols)
            symbol = static_cast<std::uint32_t>(1 + random() % (alphabet - 1));
        symbols.push_back(0);
        std::vector<SuffixIndex> expected(symbols.size());
        std::iota(expected.begin(), expected.end(), SuffixIndex{0});
        const auto suffix = [&](SuffixIndex start) { return std::span(symbols).subspan(start); };
        std::ranges::sort(expected, [&](SuffixIndex left, SuffixIndex right) {
            return std::ranges::lexicographical_compare(suffix(left), suffix(right));
        });
        const std::vector<std::uint16_t> narrow(symbols.begin(), symbols.end());
        ASSERT_EQ(suffixArray(symbols, alphabet), expected);
        ASSERT_EQ(suffixArray(narrow, alphabet), expected);

        // Symbol 1 separates: it ends every common prefix.
        const CommonPrefixLengths shared = commonPrefixLengths(symbols, expected, 2);
        for (std::size_t slot = 0; slot < expected.size(); ++slot) {
            SuffixIndex length = 0;
            while (slot > 0 && symbols[expected[slot] + length] >= 2
                   && symbols[expected[slot] + length] == symbols[expected[slot - 1] + length])
                ++length;
            ASSERT_EQ(shared[expected[slot]], length) << slot;
        }
    }
}

// Common prefixes of 255 symbols and more are kept beside the others.
TEST(SuffixArray, LongCommonPrefixes)
{
    std::vector<std::uint16_t> symbols(600, 5);
    symbols.push_back(0);
    const std::vector<SuffixIndex> suffixes = suffixArray(symbols, 6);
    const CommonPrefixLengths shared = commonPrefixLengths(symbols, suffixes, 2);
    for (SuffixIndex slot = 1; slot < suffixes.size(); ++slot)
        EXPECT_EQ(shared[suffixes[slot]], slot - 1);
}

} // namespace
} // namespace quorvelle
