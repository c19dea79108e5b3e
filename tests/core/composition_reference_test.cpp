// The composition reports against straightforward implementations of their windows'
// algorithms (forms as written in text order, linear counting, a sorted list per listing,
// bubble sorts), on real French texts in both encodings.
#include "core/edge_letter_report.h"
#include "core/key_distribution.h"
#include "core/length_report.h"

#include "core/encoding.h"
#include "core/number_format.h"
#include "core/segmentation.h"
#include "core/literal_vocabulary.h"
#include "core/test_texts.h"
#include "core/tokenized_text.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace quorvelle {
namespace {

using test::SortedStringList;

// The result box of a sorted list: its entries read in order (lower-cased on the way when
// asked), equal neighbours grouped into one line with their run.
std::vector<FormCount> resultBox(const SortedStringList& list, bool lowerCase = false)
{
    std::vector<FormCount> lines;
    for (std::size_t index = 0; index < list.count(); ++index) {
        const std::string entry = lowerCase ? lowerCased(list.at(index)) : list.at(index);
        if (!lines.empty() && lines.back().form == entry)
            ++lines.back().count;
        else
            lines.push_back({entry, 1});
    }
    return lines;
}

LengthReport referenceLengths(std::string_view text)
{
    const std::vector<std::string_view> forms = writtenForms(text);
    std::map<std::size_t, std::int64_t> counts;
    for (const std::string_view form : forms)
        ++counts[form.size()];
    LengthReport report;
    report.tokenCount = static_cast<std::int64_t>(forms.size());
    for (auto length = counts.rbegin(); length != counts.rend(); ++length) {
        // The forms as written go into the sorted list, and are lower-cased as it is read.
        SortedStringList written;
        for (const std::string_view form : forms)
            if (form.size() == length->first)
                written.add(std::string(form));
        report.rows.push_back({length->second, static_cast<std::int64_t>(length->first),
                               *percentage(static_cast<double>(length->second), static_cast<double>(forms.size())),
                               resultBox(written, true)});
    }
    return report;
}

// The bubble sort of the sort buttons, over the rows rebuilt in decreasing length.
std::vector<std::size_t> referenceRowOrder(const LengthReport& report, LengthColumn column, SortDirection direction)
{
    const auto key = [&](std::size_t index) {
        const LengthRow& row = report.rows[index];
        return column == LengthColumn::Percentage ? row.percentage
             : column == LengthColumn::Length     ? static_cast<double>(row.length)
                                                  : static_cast<double>(row.formCount);
    };
    std::vector<std::size_t> order;
    for (std::size_t index = 0; index < report.rows.size(); ++index)
        order.push_back(index);
    const bool ascending = direction == SortDirection::Ascending;
    for (bool swapped = true; swapped && order.size() >= 2;) {
        swapped = false;
        for (std::size_t i = order.size() - 1; i >= 1; --i) {
            const double here = key(order[i]);
            const double before = key(order[i - 1]);
            if ((ascending && here < before) || (!ascending && here > before)) {
                std::swap(order[i], order[i - 1]);
                swapped = true;
            }
        }
    }
    return order;
}

// The number of positions of a lower-cased form at which the key's characters start.
std::int64_t occurrencesIn(std::string_view form, std::string_view key)
{
    std::int64_t count = 0;
    for (std::size_t position = 0; position + key.size() <= form.size(); ++position)
        count += form.substr(position, key.size()) == key ? 1 : 0;
    return count;
}

enum class Keys { Letters, Doubles, Pairs };

// Each key of the scheme listed with every form of the text counted again, one sorted list
// per (key, count), as the windows do on a click.
KeyDistribution referenceDistribution(std::string_view text, Keys keys)
{
    std::vector<std::string> forms;
    std::set<std::string> keySet; // byte order, which is code order
    for (const std::string_view written : writtenForms(text)) {
        forms.push_back(lowerCased(written));
        const std::string& form = forms.back();
        for (std::size_t position = 0; position < form.size(); ++position) {
            if (keys == Keys::Letters)
                keySet.insert(form.substr(position, 1));
            else if (position + 1 < form.size() && (keys == Keys::Pairs || form[position] == form[position + 1]))
                keySet.insert(form.substr(position, 2));
        }
    }
    std::vector<std::string> keyOrder(keySet.begin(), keySet.end());
    if (keys != Keys::Doubles) { // the sorted combo boxes
        SortedStringList combo;
        for (const std::string& key : keySet)
            combo.add(key);
        for (std::size_t index = 0; index < combo.count(); ++index)
            keyOrder[index] = combo.at(index);
    }

    KeyDistribution distribution;
    for (const std::string& key : keyOrder) {
        std::map<std::int64_t, SortedStringList> listsByCount;
        for (const std::string& form : forms)
            if (const std::int64_t count = occurrencesIn(form, key); count > 0)
                listsByCount[count].add(form);
        KeyRows rows{key, {}};
        for (const auto& [count, list] : listsByCount)
            rows.rows.push_back({count, static_cast<std::int64_t>(list.count()), resultBox(list)});
        distribution.keys.push_back(std::move(rows));
    }
    return distribution;
}

EdgeLetterReport referenceEdges(std::string_view text)
{
    const std::vector<std::string> forms = lowerCasedForms(text);
    EdgeLetterReport report;
    for (unsigned code = 65; code <= 255; code = code == 122 ? 192 : code + 1) {
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
            report.rows.push_back({letter, static_cast<std::int64_t>(starts.count()),
                                   static_cast<std::int64_t>(ends.count()), resultBox(starts), resultBox(ends)});
    }
    return report;
}

void expectSameDistribution(const KeyDistribution& actual, const KeyDistribution& expected)
{
    ASSERT_EQ(actual.keys.size(), expected.keys.size());
    for (std::size_t index = 0; index < actual.keys.size(); ++index)
        EXPECT_EQ(actual.keys[index], expected.keys[index]) << cp1252ToUtf8(expected.keys[index].key);
}

class CompositionOnRealTexts : public testing::TestWithParam<const char*> {
protected:
    const std::string text = decodeText(test::testDataBytes(GetParam()), Encoding::Auto);
    const TokenizedText tokens = tokenize(text);
};

TEST_P(CompositionOnRealTexts, LengthsEqualTheReference)
{
    const LengthReport report = lengthReport(tokens);
    EXPECT_EQ(report.tokenCount, countForms(text));
    EXPECT_EQ(report.rows, referenceLengths(text).rows);
    for (const LengthColumn column : {LengthColumn::Percentage, LengthColumn::Length, LengthColumn::FormCount})
        for (const SortDirection direction : {SortDirection::Ascending, SortDirection::Descending})
            EXPECT_EQ(sortedRowOrder(report, column, direction), referenceRowOrder(report, column, direction));
}

TEST_P(CompositionOnRealTexts, KeySchemesEqualTheReference)
{
    expectSameDistribution(letterReport(tokens), referenceDistribution(text, Keys::Letters));
    expectSameDistribution(doubledLetterReport(tokens), referenceDistribution(text, Keys::Doubles));
    expectSameDistribution(letterPairReport(tokens), referenceDistribution(text, Keys::Pairs));
}

TEST_P(CompositionOnRealTexts, EdgesEqualTheReference)
{
    EXPECT_EQ(edgeLetterReport(tokens).rows, referenceEdges(text).rows);
}

INSTANTIATE_TEST_SUITE_P(Corpus, CompositionOnRealTexts, testing::Values(
    "corpus/r01_flaubert_bovary_incipit.txt",
    "corpus/r02_maupassant_une_vie.txt",
    "corpus/r03_daudet_petit_chose.txt",
    "corpus/r05_france_dieux_ont_soif.txt"));

} // namespace
} // namespace quorvelle
