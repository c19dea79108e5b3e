// Attestation frequencies, their deviations and the forms of each frequency.
#include "core/frequency_report.h"

#include "core/number_format.h"
#include "core/segmentation.h"
#include "core/literal_vocabulary.h"
#include "core/test_texts.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace quorvelle {
namespace {

using test::SortedStringList;
using test::groupEqualNeighbours;

using test::cp1252;

/// A row as the window shows it: the deviation through the general conversion.
struct ShownRow {
    std::int64_t frequency;
    std::int64_t formCount;
    std::string deviation;
    std::vector<std::string> forms; // the listing of the row

    friend bool operator==(const ShownRow&, const ShownRow&) = default;
};

std::vector<ShownRow> shownRows(const FrequencyReport& report)
{
    std::vector<ShownRow> rows;
    for (const FrequencyRow& row : report.rows) {
        std::vector<std::string> forms;
        for (const FormCount& form : report.formsOf(row))
            forms.push_back(form.form);
        rows.push_back({row.frequency, row.formCount, formatNumber(row.deviation, ','), forms});
    }
    return rows;
}

struct FrequencyCase {
    const char* name;
    const char* text;
    std::int64_t tokenCount;
    std::int64_t distinctCount;
    std::optional<double> meanFrequency;
    std::vector<ShownRow> rows;
};

class FrequencyExamples : public testing::TestWithParam<FrequencyCase> {};

TEST_P(FrequencyExamples, GiveTotalsRowsAndListings)
{
    const FrequencyReport report = frequencyReport(GetParam().text);
    EXPECT_EQ(report.tokenCount, GetParam().tokenCount);
    EXPECT_EQ(report.distinctCount, GetParam().distinctCount);
    EXPECT_EQ(report.meanFrequency, GetParam().meanFrequency);
    EXPECT_EQ(shownRows(report), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(Frequencies, FrequencyExamples, testing::Values(
    FrequencyCase{"LeChatEtLeChien", "le chat et le chien", 5, 4, 1.2,
                  {{2, 1, "0,8", {"le"}}, {1, 3, "-0,2", {"chat", "chien", "et"}}}},
    FrequencyCase{"EveryFormOnce", "un deux trois.", 3, 3, 1.0, {{1, 3, "0", {"deux", "trois", "un"}}}},
    FrequencyCase{"CaseJoinsForms", "Le le LE", 3, 1, 3.0, {{3, 1, "0", {"le"}}}},
    FrequencyCase{"LastFormWithoutSeparator", "chat chien chat", 3, 2, 1.5,
                  {{2, 1, "0,5", {"chat"}}, {1, 1, "-0,5", {"chien"}}}},
    FrequencyCase{"MeanHalfGoesToEven", "a a a b b c c d d", 9, 4, 2.2,
                  {{3, 1, "0,8", {"a"}}, {2, 3, "-0,2", {"b", "c", "d"}}}},
    FrequencyCase{"DeviationFromTheRoundedMean", "a a a b", 4, 2, 2.0,
                  {{3, 1, "1", {"a"}}, {1, 1, "-1", {"b"}}}},
    FrequencyCase{"NoFormNoMeanNoRow", "2001 !", 0, 0, std::nullopt, {}}
), [](const testing::TestParamInfo<FrequencyCase>& info) { return info.param.name; });

TEST(FrequencyReport, FormsAreAlphabeticalWithTheirAttestationsAndTheSpectrum)
{
    const FrequencyReport report = frequencyReport(cp1252("Été, été, à a."));
    EXPECT_EQ(report.forms, (std::vector<FormCount>{{"a", 1}, {cp1252("à"), 1}, {cp1252("été"), 2}}));
    EXPECT_EQ(report.spectrum, (std::vector<std::int64_t>{0, 2, 1}));
}

TEST(FrequencyReport, EveryFrequencyHasItsRowHoweverLarge)
{
    // Well past the old classes of 500 and 1500 and past 16-bit counters.
    std::string text;
    for (int index = 0; index < 40000; ++index)
        text += "le ";
    for (int index = 0; index < 2000; ++index)
        text += "chat ";
    text += "fin";
    const FrequencyReport report = frequencyReport(text);
    EXPECT_EQ(shownRows(report), (std::vector<ShownRow>{{40000, 1, "25999,7", {"le"}},
                                                        {2000, 1, "-12000,3", {"chat"}},
                                                        {1, 1, "-13999,3", {"fin"}}}));
    ASSERT_EQ(report.spectrum.size(), 40001u);
    EXPECT_EQ(report.spectrum[40000], 1);
    EXPECT_EQ(report.spectrum[2000], 1);
}

TEST(FrequencyReport, MoreThan255Rows)
{
    // Form number k is attested k times, so every frequency from 1 to 300 has one form.
    constexpr std::size_t frequencies = 300;
    std::string text;
    for (std::size_t frequency = 1; frequency <= frequencies; ++frequency)
        for (std::size_t occurrence = 0; occurrence < frequency; ++occurrence)
            text += test::numberedForm(frequency) + " ";
    const FrequencyReport report = frequencyReport(text);
    ASSERT_EQ(report.rows.size(), frequencies);
    for (std::size_t index = 0; index < frequencies; ++index) {
        EXPECT_EQ(report.rows[index].frequency, static_cast<std::int64_t>(frequencies - index));
        ASSERT_EQ(report.formsOf(report.rows[index]).size(), 1u);
        EXPECT_EQ(report.formsOf(report.rows[index])[0].form, test::numberedForm(frequencies - index));
    }
}

// The computation as the window does it: every occurrence into the sorted list, equal
// neighbours grouped, classes walked from the highest down, and for each class a new walk
// over the groups to list its forms.
std::vector<ShownRow> rowsThroughSortedList(std::string_view text)
{
    SortedStringList list;
    for (std::string& form : lowerCasedForms(text))
        list.add(std::move(form));
    const std::vector<FormCount> groups = groupEqualNeighbours(list);
    const std::vector<std::int64_t> spectrum = frequencySpectrum(groups);
    const double mean = roundHalfEven(static_cast<double>(list.count()) / static_cast<double>(groups.size()), 1);
    std::vector<ShownRow> rows;
    for (std::int64_t frequency = static_cast<std::int64_t>(spectrum.size()) - 1; frequency >= 1; --frequency) {
        if (spectrum[static_cast<std::size_t>(frequency)] == 0)
            continue;
        ShownRow row{frequency, spectrum[static_cast<std::size_t>(frequency)],
                     formatNumber(static_cast<double>(frequency) - mean, ','), {}};
        for (const FormCount& group : groups)
            if (group.count == frequency)
                row.forms.push_back(group.form);
        rows.push_back(row);
    }
    return rows;
}

class FrequenciesOfRealTexts : public testing::TestWithParam<std::string> {};

TEST_P(FrequenciesOfRealTexts, EqualTheSortedListComputation)
{
    const std::string text = test::realText(GetParam());
    const FrequencyReport report = frequencyReport(text);
    EXPECT_EQ(shownRows(report), rowsThroughSortedList(text));
    EXPECT_EQ(report.tokenCount, countForms(text));
}

INSTANTIATE_TEST_SUITE_P(Corpus, FrequenciesOfRealTexts, testing::ValuesIn(test::realTextNames()));

} // namespace
} // namespace quorvelle
