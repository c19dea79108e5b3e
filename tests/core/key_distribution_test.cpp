// Letters, doubled letters and pairs of letters: the worked examples. The orders of the keys
// are held against the literal computation on real texts.
#include "core/reports/key_distribution.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace quorvelle {
namespace {

enum class Scheme { Letters, Doubles, Pairs };

KeyDistribution distribution(Scheme scheme, std::string_view text)
{
    if (scheme == Scheme::Letters)
        return letterReport(text);
    return scheme == Scheme::Doubles ? KeyDistribution(doubledLetterReport(text)) : letterPairReport(text);
}

TEST(KeyDistribution, RowsAndListingsOfAKey)
{
    // Texts, keys and forms in code page 1252; an empty key for a text that holds none.
    const struct {
        Scheme scheme;
        const char* text;
        const char* key;
        std::vector<OccurrenceRow> rows;
    } cases[] = {
        {Scheme::Letters, "Elle aime le th\xE9.", "e", {{1, 2, {{"aime", 1}, {"le", 1}}}, {2, 1, {{"elle", 1}}}}},
        {Scheme::Letters, "Elle aime le th\xE9.", "\xE9", {{1, 1, {{"th\xE9", 1}}}}},
        {Scheme::Letters, "Le le", "l", {{1, 2, {{"le", 2}}}}},
        {Scheme::Doubles, "Elle appelle Bella.", "ll", {{1, 3, {{"appelle", 1}, {"bella", 1}, {"elle", 1}}}}},
        {Scheme::Doubles, "Elle appelle Bella.", "pp", {{1, 1, {{"appelle", 1}}}}},
        {Scheme::Doubles, "All\xF4 ALL\xD4 Llama", "ll", {{1, 3, {{"all\xF4", 2}, {"llama", 1}}}}},
        {Scheme::Doubles, "lll", "ll", {{2, 1, {{"lll", 1}}}}},
        {Scheme::Pairs, "Chercher.", "ch", {{2, 1, {{"chercher", 1}}}}},
        {Scheme::Pairs, "Chercher.", "rc", {{1, 1, {{"chercher", 1}}}}},
        {Scheme::Pairs, "Un chat, des chats.", "ch", {{1, 2, {{"chat", 1}, {"chats", 1}}}}},
        {Scheme::Pairs, "Un chat, des chats.", "ts", {{1, 1, {{"chats", 1}}}}},
        {Scheme::Pairs, "AU au", "au", {{1, 2, {{"au", 2}}}}},
        {Scheme::Pairs, "aaa", "aa", {{2, 1, {{"aaa", 1}}}}},
        {Scheme::Letters, "12, 34 !", "", {}},
        {Scheme::Doubles, "le chat dort", "", {}},
        {Scheme::Pairs, "a b c", "", {}}, // forms of one letter hold no pair
    };
    for (const auto& [scheme, text, key, rows] : cases) {
        const std::vector<KeyRows> keys = distribution(scheme, text).keys;
        const auto found = std::ranges::find(keys, std::string(key), &KeyRows::key);
        EXPECT_EQ(keys.empty(), *key == '\0') << text;
        EXPECT_EQ(found == keys.end() ? KeyRows{} : *found, (KeyRows{key, rows})) << text << " / " << key;
    }
}

} // namespace
} // namespace quorvelle
