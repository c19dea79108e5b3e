// Letters, doubled letters and pairs of letters: the worked examples, the key orders and
// the lifted limits.
#include "core/key_distribution.h"

#include "core/test_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace quorvelle {
namespace {

using test::cp1252;

enum class Scheme { Letters, Doubles, Pairs };

KeyDistribution distribution(Scheme scheme, std::string_view text)
{
    switch (scheme) {
    case Scheme::Letters:
        return letterReport(text);
    case Scheme::Doubles:
        return doubledLetterReport(text);
    case Scheme::Pairs:
        break;
    }
    return letterPairReport(text);
}

std::vector<std::string> keysOf(const KeyDistribution& distribution)
{
    std::vector<std::string> keys;
    for (const KeyRows& key : distribution.keys)
        keys.push_back(key.key);
    return keys;
}

std::vector<OccurrenceRow> rowsOf(const KeyDistribution& distribution, std::string_view key)
{
    const auto found = std::find_if(distribution.keys.begin(), distribution.keys.end(),
                                    [&](const KeyRows& rows) { return rows.key == key; });
    return found == distribution.keys.end() ? std::vector<OccurrenceRow>{} : found->rows;
}

struct KeyCase {
    Scheme scheme;
    const char* text; // UTF-8
    const char* key;  // UTF-8
    std::vector<OccurrenceRow> rows;
};

void PrintTo(const KeyCase& keyCase, std::ostream* out)
{
    *out << keyCase.text << " / " << keyCase.key;
}

class KeyRowsOfExamples : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyRowsOfExamples, RowsAndListings)
{
    const KeyCase& keyCase = GetParam();
    std::vector<OccurrenceRow> expected = keyCase.rows;
    for (OccurrenceRow& row : expected)
        for (FormCount& form : row.forms)
            form.form = cp1252(form.form);
    EXPECT_EQ(rowsOf(distribution(keyCase.scheme, cp1252(keyCase.text)), cp1252(keyCase.key)), expected)
        << keyCase.text << " / " << keyCase.key;
}

INSTANTIATE_TEST_SUITE_P(Letters, KeyRowsOfExamples, testing::Values(
    KeyCase{Scheme::Letters, "Elle aime le thé.", "e", {{1, 2, {{"aime", 1}, {"le", 1}}}, {2, 1, {{"elle", 1}}}}},
    KeyCase{Scheme::Letters, "Elle aime le thé.", "é", {{1, 1, {{"thé", 1}}}}},
    KeyCase{Scheme::Letters, "Elle aime le thé.", "l", {{1, 1, {{"le", 1}}}, {2, 1, {{"elle", 1}}}}},
    KeyCase{Scheme::Letters, "Le le", "l", {{1, 2, {{"le", 2}}}}},
    KeyCase{Scheme::Letters, "Elle aime le thé", "é", {{1, 1, {{"thé", 1}}}}},
    KeyCase{Scheme::Letters, "ÉLÈVE élève", "é", {{1, 2, {{"élève", 2}}}}}));

INSTANTIATE_TEST_SUITE_P(Doubles, KeyRowsOfExamples, testing::Values(
    KeyCase{Scheme::Doubles, "Elle appelle Bella.", "ll", {{1, 3, {{"appelle", 1}, {"bella", 1}, {"elle", 1}}}}},
    KeyCase{Scheme::Doubles, "Elle appelle Bella.", "pp", {{1, 1, {{"appelle", 1}}}}},
    KeyCase{Scheme::Doubles, "Allô ALLÔ Llama", "ll", {{1, 3, {{"allô", 2}, {"llama", 1}}}}},
    KeyCase{Scheme::Doubles, "lll", "ll", {{2, 1, {{"lll", 1}}}}},
    KeyCase{Scheme::Doubles, "llll", "ll", {{3, 1, {{"llll", 1}}}}}));

INSTANTIATE_TEST_SUITE_P(Pairs, KeyRowsOfExamples, testing::Values(
    KeyCase{Scheme::Pairs, "Chercher.", "ch", {{2, 1, {{"chercher", 1}}}}},
    KeyCase{Scheme::Pairs, "Chercher.", "he", {{2, 1, {{"chercher", 1}}}}},
    KeyCase{Scheme::Pairs, "Chercher.", "er", {{2, 1, {{"chercher", 1}}}}},
    KeyCase{Scheme::Pairs, "Chercher.", "rc", {{1, 1, {{"chercher", 1}}}}},
    KeyCase{Scheme::Pairs, "Un chat, des chats.", "ch", {{1, 2, {{"chat", 1}, {"chats", 1}}}}},
    KeyCase{Scheme::Pairs, "Un chat, des chats.", "ts", {{1, 1, {{"chats", 1}}}}},
    KeyCase{Scheme::Pairs, "AU au", "au", {{1, 2, {{"au", 2}}}}},
    KeyCase{Scheme::Pairs, "aaa", "aa", {{2, 1, {{"aaa", 1}}}}}));

struct KeyListCase {
    Scheme scheme;
    const char* text;
    std::vector<std::string> keys;
};

void PrintTo(const KeyListCase& keyCase, std::ostream* out)
{
    *out << '"' << keyCase.text << '"';
}

class KeyLists : public testing::TestWithParam<KeyListCase> {};

TEST_P(KeyLists, InTheComboBoxOrder)
{
    const KeyListCase& keyCase = GetParam();
    std::vector<std::string> expected;
    for (const std::string& key : keyCase.keys)
        expected.push_back(cp1252(key));
    EXPECT_EQ(keysOf(distribution(keyCase.scheme, cp1252(keyCase.text))), expected) << keyCase.text;
}

INSTANTIATE_TEST_SUITE_P(Combos, KeyLists, testing::Values(
    KeyListCase{Scheme::Letters, "Elle aime le thé.", {"a", "e", "é", "h", "i", "l", "m", "t"}},
    KeyListCase{Scheme::Letters, "zèbre", {"b", "e", "è", "r", "z"}},
    KeyListCase{Scheme::Doubles, "ééa zz bb aa", {"aa", "bb", "zz", "éé"}}, // code order, not sorted
    KeyListCase{Scheme::Doubles, "Elle appelle Bella.", {"ll", "pp"}},
    KeyListCase{Scheme::Pairs, "zaab éa", {"aa", "ab", "éa", "za"}},
    KeyListCase{Scheme::Pairs, "Un chat, des chats.", {"at", "ch", "de", "es", "ha", "ts", "un"}},
    KeyListCase{Scheme::Pairs, "a b c", {}},       // forms of one letter hold no pair
    KeyListCase{Scheme::Doubles, "le chat dort", {}},
    KeyListCase{Scheme::Letters, "", {}},
    KeyListCase{Scheme::Letters, "12, 34 !", {}}));

// No bound on a count nor on the number of rows, no 16-bit counter.
class KeyLimits : public testing::TestWithParam<Scheme> {};

TEST_P(KeyLimits, EveryCountIsListed)
{
    const Scheme scheme = GetParam();
    const std::string key = scheme == Scheme::Letters ? "a" : "aa";
    const std::int64_t extra = scheme == Scheme::Letters ? 0 : 1; // letters of a form beyond its keys

    std::string text;
    for (std::int64_t times = 1; times <= 300; ++times)
        text += std::string(static_cast<std::size_t>(times + extra), 'a') + " ";
    for (int times = 0; times < 40000; ++times)
        text += std::string(static_cast<std::size_t>(60 + extra), 'a') + " ";
    const std::vector<OccurrenceRow> rows = rowsOf(distribution(scheme, text), key);
    ASSERT_EQ(rows.size(), 300u);
    for (std::int64_t times = 1; times <= 300; ++times)
        EXPECT_EQ(rows[static_cast<std::size_t>(times - 1)].occurrences, times);
    EXPECT_EQ(rows[59].formCount, 40001);
    EXPECT_EQ(rows[59].forms, (std::vector<FormCount>{{std::string(static_cast<std::size_t>(60 + extra), 'a'), 40001}}));
}

INSTANTIATE_TEST_SUITE_P(Schemes, KeyLimits, testing::Values(Scheme::Letters, Scheme::Doubles, Scheme::Pairs));

TEST(KeyLimits, MoreThan255Keys)
{
    std::string text;
    for (char first = 'z'; first >= 'a'; --first)
        for (char second = 'z'; second >= 'a'; --second)
            text += std::string{first, second} + " ";
    const std::vector<std::string> keys = keysOf(letterPairReport(text));
    ASSERT_EQ(keys.size(), 26u * 26u);
    EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end()));
}

} // namespace
} // namespace quorvelle
