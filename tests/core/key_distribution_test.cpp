// Letters, doubled letters and pairs of letters: the worked examples and the key orders.
#include "core/key_distribution.h"

#include "core/test_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace quorvelle {
namespace {

using test::cp1252;

enum class Scheme { Letters, Doubles, Pairs };

KeyDistribution distribution(Scheme scheme, std::string_view text)
{
    if (scheme == Scheme::Letters)
        return letterReport(text);
    return scheme == Scheme::Doubles ? KeyDistribution(doubledLetterReport(text)) : letterPairReport(text);
}

TEST(KeyDistribution, RowsAndListingsOfAKey)
{
    const struct { Scheme scheme; const char* text; const char* key; std::vector<OccurrenceRow> rows; } cases[] = {
        {Scheme::Letters, "Elle aime le thé.", "e", {{1, 2, {{"aime", 1}, {"le", 1}}}, {2, 1, {{"elle", 1}}}}},
        {Scheme::Letters, "Elle aime le thé.", "é", {{1, 1, {{"thé", 1}}}}},
        {Scheme::Letters, "Elle aime le thé.", "l", {{1, 1, {{"le", 1}}}, {2, 1, {{"elle", 1}}}}},
        {Scheme::Letters, "Le le", "l", {{1, 2, {{"le", 2}}}}},
        {Scheme::Letters, "Elle aime le thé", "é", {{1, 1, {{"thé", 1}}}}}, // the last form ends the text
        {Scheme::Doubles, "Elle appelle Bella.", "ll", {{1, 3, {{"appelle", 1}, {"bella", 1}, {"elle", 1}}}}},
        {Scheme::Doubles, "Elle appelle Bella.", "pp", {{1, 1, {{"appelle", 1}}}}},
        {Scheme::Doubles, "Allô ALLÔ Llama", "ll", {{1, 3, {{"allô", 2}, {"llama", 1}}}}},
        {Scheme::Doubles, "lll", "ll", {{2, 1, {{"lll", 1}}}}},
        {Scheme::Pairs, "Chercher.", "ch", {{2, 1, {{"chercher", 1}}}}},
        {Scheme::Pairs, "Chercher.", "he", {{2, 1, {{"chercher", 1}}}}},
        {Scheme::Pairs, "Chercher.", "er", {{2, 1, {{"chercher", 1}}}}},
        {Scheme::Pairs, "Chercher.", "rc", {{1, 1, {{"chercher", 1}}}}},
        {Scheme::Pairs, "Un chat, des chats.", "ch", {{1, 2, {{"chat", 1}, {"chats", 1}}}}},
        {Scheme::Pairs, "Un chat, des chats.", "ts", {{1, 1, {{"chats", 1}}}}},
        {Scheme::Pairs, "AU au", "au", {{1, 2, {{"au", 2}}}}},
        {Scheme::Pairs, "aaa", "aa", {{2, 1, {{"aaa", 1}}}}},
    };
    for (const auto& [scheme, text, key, rows] : cases) {
        SCOPED_TRACE(testing::Message() << text << " / " << key);
        std::vector<OccurrenceRow> expected = rows;
        for (OccurrenceRow& row : expected)
            for (FormCount& form : row.forms)
                form.form = cp1252(form.form);
        const std::vector<KeyRows> keys = distribution(scheme, cp1252(text)).keys;
        const auto found = std::ranges::find(keys, cp1252(key), &KeyRows::key);
        ASSERT_NE(found, keys.end());
        EXPECT_EQ(found->rows, expected);
    }
}

// The alphabetical order of the keys of letters and pairs is held against the literal
// computation on real texts.
TEST(KeyDistribution, DoublesInCodeOrderAndOnlyKeysThatOccur)
{
    const struct { Scheme scheme; const char* text; std::vector<std::string> keys; } cases[] = {
        {Scheme::Doubles, "ééa zz bb aa", {"aa", "bb", "zz", "éé"}}, // code order, not sorted
        {Scheme::Pairs, "a b c", {}}, // forms of one letter hold no pair
        {Scheme::Doubles, "le chat dort", {}},
        {Scheme::Letters, "12, 34 !", {}},
    };
    for (const auto& [scheme, text, keys] : cases) {
        std::vector<std::string> expected;
        for (const std::string& key : keys)
            expected.push_back(cp1252(key));
        std::vector<std::string> actual;
        for (const KeyRows& key : distribution(scheme, cp1252(text)).keys)
            actual.push_back(key.key);
        EXPECT_EQ(actual, expected) << text;
    }
}

} // namespace
} // namespace quorvelle
