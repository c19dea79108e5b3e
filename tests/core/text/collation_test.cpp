// The alphabetical order of forms.
#include "core/text/collation.h"

#include "core/test_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace quorvelle {
namespace {

using test::cp1252;

TEST(Collation, SortsAsAFrenchReaderExpects)
{
    const std::vector<std::vector<std::string>> orders = {
        // UTF-8, each in its expected order
        {"a", "à", "ab"},
        {"e", "é", "ef"},
        {"de la", "de le", "dea"},
        {"chat", "chien", "le"},
        {"cote", "coté", "côte", "côté"}, // accents compared from the left
        {"ete", "été", "ête", "étés"},
        {"oe", "ok", "ôter", "ou"},
        {"z", "zèbre", "zz"},
    };
    const FrenchCollator& collator = FrenchCollator::instance();
    for (const std::vector<std::string>& order : orders) {
        std::vector<std::string> expected;
        for (const std::string& text : order)
            expected.push_back(cp1252(text));
        const std::vector<std::string_view> reversed(expected.rbegin(), expected.rend());
        std::vector<std::string> sorted;
        for (const std::size_t index : collator.order(reversed))
            sorted.emplace_back(reversed[index]);
        EXPECT_EQ(sorted, expected) << order.back();
        for (std::size_t index = 1; index < expected.size(); ++index)
            EXPECT_TRUE(std::is_lt(collator.compare(expected[index - 1], expected[index]))) << order[index];
    }
    // Two different strings never compare equal, whatever the collator holds of them, so that
    // identical forms are always neighbours in a sorted list.
    EXPECT_EQ(collator.compare("abc", "abc"), std::strong_ordering::equal);
    EXPECT_NE(collator.compare(cp1252("ß"), "ss"), std::strong_ordering::equal);
    EXPECT_EQ(std::is_lt(collator.compare(cp1252("ß"), "ss")), std::is_gt(collator.compare("ss", cp1252("ß"))));
}

TEST(Collation, TellsTextsOfTheSameLetters)
{
    const struct {
        const char* left; // UTF-8
        const char* right;
        bool same;
    } cases[] = {
        {"cote", "côté", true},   {"côte", "coté", true}, {"cote", "cote", true},
        {"cote", "cotes", false}, {"de", "dé", true},     {"de la", "dela", false},
    };
    for (const auto& [left, right, same] : cases)
        EXPECT_EQ(FrenchCollator::instance().sameLetters(cp1252(left), cp1252(right)), same) << left << " " << right;
}

} // namespace
} // namespace quorvelle
