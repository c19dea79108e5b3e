// The reports whose algorithms are intricate, against literal implementations of what
// their windows compute (every occurrence into a sorted list, equal neighbours grouped,
// one list per listing, linear look-ups), on real French texts in both encodings.
#include "core/reports/character_counts.h"
#include "core/reports/cooccurrence_report.h"
#include "core/reports/edge_letter_report.h"
#include "core/reports/enrichment_report.h"
#include "core/reports/key_distribution.h"
#include "core/text/vocabulary.h"

#include "core/literal_vocabulary.h"
#include "core/test_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <iterator>
#include <map>
#include <set>
#include <span>
#include <string>
#include <tuple>
#include <vector>

namespace quorvelle {
namespace {

using test::sortedGroups;

enum class Report { Vocabulary, Letters, Doubles, Pairs, Edges, Cooccurrences, Enrichment };

// Every key of the scheme, and for each one every form counted again, one sorted list per
// (key, count), as the windows do on a click.
std::vector<KeyRows> literalKeys(const std::vector<std::string>& forms, Report report)
{
    std::set<std::string> keySet; // byte order, which is code order
    for (const std::string& form : forms)
        for (std::size_t position = 0; position < form.size(); ++position)
            if (report == Report::Letters)
                keySet.insert(form.substr(position, 1));
            else if (position + 1 < form.size() && (report == Report::Pairs || form[position] == form[position + 1]))
                keySet.insert(form.substr(position, 2));
    std::vector<KeyRows> keys;
    for (const std::string& key : keySet) {
        std::map<std::int64_t, std::vector<std::string>> listsByCount;
        for (const std::string& form : forms) {
            std::int64_t count = 0; // the positions at which the key's characters start
            for (std::size_t position = 0; position + key.size() <= form.size(); ++position)
                count += form.compare(position, key.size(), key) == 0 ? 1 : 0;
            if (count > 0)
                listsByCount[count].push_back(form);
        }
        KeyRows& rows = keys.emplace_back(KeyRows{key, {}});
        for (const auto& [count, list] : listsByCount)
            rows.rows.push_back({count, std::ssize(list), sortedGroups(list)});
    }
    if (report != Report::Doubles) // the sorted combo boxes of letters and pairs
        std::ranges::stable_sort(keys, test::comesBefore, &KeyRows::key);
    return keys;
}

// One list of forms per first letter and one per last letter, in code order.
std::vector<EdgeLetterRow> literalEdges(const std::vector<std::string>& forms)
{
    std::map<unsigned char, std::array<std::vector<std::string>, 2>> lists;
    for (const std::string& form : forms) {
        lists[static_cast<unsigned char>(form.front())][0].push_back(form);
        lists[static_cast<unsigned char>(form.back())][1].push_back(form);
    }
    std::vector<EdgeLetterRow> rows;
    for (const auto& [letter, sides] : lists)
        rows.push_back({static_cast<char>(letter), std::ssize(sides[0]), std::ssize(sides[1]), sortedGroups(sides[0]),
                        sortedGroups(sides[1])});
    return rows;
}

// Every pair occurrence into the sorted list, groups of one dropped, then the counts walked
// upwards for the rows and the by-count listing.
CooccurrenceReport literalCooccurrences(const std::vector<std::string>& forms)
{
    std::vector<std::string> list;
    for (std::size_t index = 1; index < forms.size(); ++index)
        list.push_back(forms[index - 1] + " " + forms[index]);
    CooccurrenceReport report{std::ssize(forms), {}, {}, {}};
    std::ranges::copy_if(sortedGroups(list), std::back_inserter(report.pairs),
                         [](const FormCount& pair) { return pair.count > 1; });
    std::map<std::int64_t, std::vector<std::size_t>> positionsByCount;
    for (std::size_t position = 0; position < report.pairs.size(); ++position)
        positionsByCount[report.pairs[position].count].push_back(position);
    for (const auto& [count, positions] : positionsByCount) {
        report.rows.push_back({count, std::ssize(positions), report.byCount.size()});
        report.byCount.insert(report.byCount.end(), positions.begin(), positions.end());
    }
    return report;
}

// Each slice's forms through a sorted list, each group looked up in the known forms.
EnrichmentReport literalEnrichment(const std::vector<std::string>& forms)
{
    constexpr std::size_t sliceSize = 100; // forms per slice, as the manual counts them
    EnrichmentReport report{std::ssize(forms), {}, {}};
    for (std::size_t start = 0; start < forms.size(); start += sliceSize) {
        const auto sliceForms = std::span(forms).subspan(start, std::min(sliceSize, forms.size() - start));
        EnrichmentSlice& slice = report.slices.emplace_back(std::ssize(report.slices) + 1, 0, report.knownForms.size());
        for (const FormCount& group : sortedGroups({sliceForms.begin(), sliceForms.end()})) {
            if (std::ranges::none_of(report.knownForms,
                                     [&](const KnownForm& known) { return known.form == group.form; })) {
                report.knownForms.push_back({group.form, group.count, slice.number});
                ++slice.newFormCount;
            }
        }
    }
    return report;
}

class LiteralComputation : public testing::TestWithParam<std::tuple<Report, std::string>> { };

TEST_P(LiteralComputation, GivesTheSameReport)
{
    const auto& [report, name] = GetParam();
    const std::string text = test::realText(name);
    const std::vector<std::string> forms = test::lowerCasedForms(text);
    switch (report) {
    case Report::Vocabulary: { // the hash-based count, and the word count of the character counts
        const std::vector<FormCount> groups = sortedGroups(forms);
        EXPECT_EQ(countVocabulary(text), (TextVocabulary{std::ssize(forms), groups, std::ssize(groups)}));
        EXPECT_EQ(countCharacters(text).words, std::ssize(forms));
        break;
    }
    case Report::Letters:
        EXPECT_EQ(letterReport(text).keys, literalKeys(forms, report));
        break;
    case Report::Doubles:
        EXPECT_EQ(doubledLetterReport(text).keys, literalKeys(forms, report));
        break;
    case Report::Pairs:
        EXPECT_EQ(letterPairReport(text).keys, literalKeys(forms, report));
        break; // > 255 keys
    case Report::Edges:
        EXPECT_EQ(edgeLetterReport(text).rows, literalEdges(forms));
        break;
    case Report::Cooccurrences:
        EXPECT_EQ(cooccurrenceReport(text), literalCooccurrences(forms));
        break;
    case Report::Enrichment:
        EXPECT_EQ(enrichmentReport(text), literalEnrichment(forms));
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(RealTexts, LiteralComputation,
                         testing::Combine(testing::Values(Report::Vocabulary, Report::Letters, Report::Doubles,
                                                          Report::Pairs, Report::Edges, Report::Cooccurrences,
                                                          Report::Enrichment),
                                          testing::ValuesIn(test::realTextNames())));

} // namespace
} // namespace quorvelle
