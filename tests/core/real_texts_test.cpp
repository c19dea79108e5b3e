// The reports whose algorithms are intricate, against literal implementations of what
// their windows compute (every occurrence into a sorted list, equal neighbours grouped,
// one list per listing, linear look-ups), on real French texts in both encodings.
#include "core/character_counts.h"
#include "core/cooccurrence_report.h"
#include "core/edge_letter_report.h"
#include "core/enrichment_report.h"
#include "core/key_distribution.h"
#include "core/vocabulary.h"

#include "core/literal_vocabulary.h"
#include "core/segmentation.h"
#include "core/test_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace quorvelle {
namespace {

using test::groupEqualNeighbours;
using test::SortedStringList;

enum class Report { Vocabulary, Letters, Doubles, Pairs, Edges, Cooccurrences, Enrichment };

std::int64_t signedSize(std::size_t size)
{
    return static_cast<std::int64_t>(size);
}

TextVocabulary literalVocabulary(const std::vector<std::string>& forms)
{
    SortedStringList list;
    for (const std::string& form : forms)
        list.add(form);
    const std::vector<FormCount> groups = groupEqualNeighbours(list);
    return {signedSize(forms.size()), groups, signedSize(groups.size())};
}

// The number of positions of a form at which the key's characters start.
std::int64_t occurrencesIn(std::string_view form, std::string_view key)
{
    std::int64_t count = 0;
    for (std::size_t position = 0; position + key.size() <= form.size(); ++position)
        count += form.substr(position, key.size()) == key ? 1 : 0;
    return count;
}

// Every key of the scheme, and for each one every form counted again, one sorted list per
// (key, count), as the windows do on a click.
std::vector<KeyRows> literalKeys(const std::vector<std::string>& forms, Report report)
{
    std::set<std::string> keySet; // byte order, which is code order
    for (const std::string& form : forms) {
        for (std::size_t position = 0; position < form.size(); ++position) {
            if (report == Report::Letters)
                keySet.insert(form.substr(position, 1));
            else if (position + 1 < form.size() && (report == Report::Pairs || form[position] == form[position + 1]))
                keySet.insert(form.substr(position, 2));
        }
    }
    SortedStringList combo; // the sorted combo boxes of letters and pairs
    for (const std::string& key : keySet)
        combo.add(key);
    std::vector<KeyRows> keys;
    auto key = keySet.begin();
    for (std::size_t index = 0; index < keySet.size(); ++index, ++key) {
        KeyRows rows{report == Report::Doubles ? *key : combo.at(index), {}};
        std::map<std::int64_t, SortedStringList> listsByCount;
        for (const std::string& form : forms)
            if (const std::int64_t count = occurrencesIn(form, rows.key); count > 0)
                listsByCount[count].add(form);
        for (const auto& [count, list] : listsByCount)
            rows.rows.push_back({count, signedSize(list.count()), groupEqualNeighbours(list)});
        keys.push_back(std::move(rows));
    }
    return keys;
}

std::vector<EdgeLetterRow> literalEdges(const std::vector<std::string>& forms)
{
    std::vector<EdgeLetterRow> rows;
    for (unsigned code = 'A'; code <= 0xFF; code = code == 'z' ? 0xC0 : code + 1) {
        const char letter = static_cast<char>(code);
        SortedStringList starts;
        SortedStringList ends;
        for (const std::string& form : forms) {
            if (form.front() == letter)
                starts.add(form);
            if (form.back() == letter)
                ends.add(form);
        }
        if (starts.count() + ends.count() > 0)
            rows.push_back({letter, signedSize(starts.count()), signedSize(ends.count()), groupEqualNeighbours(starts),
                            groupEqualNeighbours(ends)});
    }
    return rows;
}

// Every pair occurrence into the sorted list, groups of one dropped, then the counts walked
// upwards for the rows and the by-count listing.
CooccurrenceReport literalCooccurrences(const std::vector<std::string>& forms)
{
    SortedStringList list;
    for (std::size_t index = 1; index < forms.size(); ++index)
        list.add(forms[index - 1] + " " + forms[index]);
    CooccurrenceReport report{signedSize(forms.size()), {}, {}, {}};
    std::int64_t largest = 0;
    for (const FormCount& group : groupEqualNeighbours(list)) {
        if (group.count > 1) {
            report.pairs.push_back(group);
            largest = std::max(largest, group.count);
        }
    }
    for (std::int64_t count = 2; count <= largest; ++count) {
        const std::size_t first = report.byCount.size();
        for (const FormCount& pair : report.pairs)
            if (pair.count == count)
                report.byCount.push_back(pair);
        if (report.byCount.size() > first)
            report.rows.push_back({count, signedSize(report.byCount.size() - first), first});
    }
    return report;
}

// Each slice's forms through a sorted list, each group looked up in the known forms.
EnrichmentReport literalEnrichment(const std::vector<std::string>& forms)
{
    constexpr auto sliceSize = static_cast<std::size_t>(enrichmentSliceSize);
    EnrichmentReport report;
    report.tokenCount = signedSize(forms.size());
    for (std::size_t start = 0; start < forms.size(); start += sliceSize) {
        SortedStringList slice;
        for (std::size_t index = start; index < std::min(start + sliceSize, forms.size()); ++index)
            slice.add(forms[index]);
        EnrichmentSlice row{signedSize(report.slices.size()) + 1, 0, report.knownForms.size()};
        for (const FormCount& group : groupEqualNeighbours(slice)) {
            if (std::ranges::none_of(report.knownForms, [&](const KnownForm& known) { return known.form == group.form; })) {
                report.knownForms.push_back({group.form, group.count, row.number});
                ++row.newFormCount;
            }
        }
        report.slices.push_back(row);
    }
    return report;
}

class LiteralComputation : public testing::TestWithParam<std::tuple<Report, std::string>> {};

TEST_P(LiteralComputation, GivesTheSameReport)
{
    const auto& [report, name] = GetParam();
    const std::string text = test::realText(name);
    const std::vector<std::string> forms = lowerCasedForms(text);
    switch (report) {
    case Report::Vocabulary: // the hash-based count, and the word count of the character counts
        EXPECT_EQ(countVocabulary(text), literalVocabulary(forms));
        EXPECT_EQ(countCharacters(text).words, signedSize(forms.size()));
        break;
    case Report::Letters: EXPECT_EQ(letterReport(text).keys, literalKeys(forms, report)); break;
    case Report::Doubles: EXPECT_EQ(doubledLetterReport(text).keys, literalKeys(forms, report)); break;
    case Report::Pairs: EXPECT_EQ(letterPairReport(text).keys, literalKeys(forms, report)); break; // > 255 keys
    case Report::Edges: EXPECT_EQ(edgeLetterReport(text).rows, literalEdges(forms)); break;
    case Report::Cooccurrences: EXPECT_EQ(cooccurrenceReport(text), literalCooccurrences(forms)); break;
    case Report::Enrichment: EXPECT_EQ(enrichmentReport(text), literalEnrichment(forms)); break;
    }
}

INSTANTIATE_TEST_SUITE_P(RealTexts, LiteralComputation,
    testing::Combine(testing::Values(Report::Vocabulary, Report::Letters, Report::Doubles, Report::Pairs, Report::Edges,
                                     Report::Cooccurrences, Report::Enrichment),
                     testing::ValuesIn(test::realTextNames())));

} // namespace
} // namespace quorvelle
