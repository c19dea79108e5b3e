// The alphabetical order of forms and the sorted string list built on it.
#include "core/collation.h"

#include "core/segmentation.h"
#include "core/literal_vocabulary.h"
#include "core/test_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace quorvelle {
namespace {

using test::SortedStringList;

using test::cp1252;

std::vector<std::string> sortedWithList(const std::vector<std::string>& texts)
{
    SortedStringList list;
    for (const std::string& text : texts)
        list.add(text);
    std::vector<std::string> sorted;
    for (std::size_t index = 0; index < list.count(); ++index)
        sorted.push_back(list.at(index));
    return sorted;
}

struct OrderCase {
    const char* name;
    std::vector<std::string> texts; // UTF-8, in their expected order
};

class FrenchOrder : public testing::TestWithParam<OrderCase> {};

// The strings are added in reverse order and must come out in the expected one.
TEST_P(FrenchOrder, SortsAsAFrenchReaderExpects)
{
    std::vector<std::string> expected;
    for (const std::string& text : GetParam().texts)
        expected.push_back(cp1252(text));
    const std::vector<std::string> reversed(expected.rbegin(), expected.rend());
    EXPECT_EQ(sortedWithList(reversed), expected);
    for (std::size_t index = 1; index < expected.size(); ++index)
        EXPECT_TRUE(std::is_lt(FrenchCollator::instance().compare(expected[index - 1], expected[index])))
            << GetParam().texts[index - 1] << " < " << GetParam().texts[index];
}

INSTANTIATE_TEST_SUITE_P(Collation, FrenchOrder, testing::Values(
    OrderCase{"AccentAfterBaseLetter", {"a", "à", "ab"}},
    OrderCase{"AcuteAfterPlainE", {"e", "é", "ef"}},
    OrderCase{"SpaceBeforeLetters", {"de la", "de le", "dea"}},
    OrderCase{"Plain", {"chat", "chien", "le"}},
    OrderCase{"AccentsComparedFromTheLeft", {"cote", "coté", "côte", "côté"}},
    OrderCase{"LettersBeforeAccents", {"ete", "été", "ête", "étés"}},
    OrderCase{"Circumflex", {"oe", "ok", "ôter", "ou"}},
    OrderCase{"Grave", {"z", "zèbre", "zz"}}
), [](const testing::TestParamInfo<OrderCase>& info) { return info.param.name; });

TEST(SortedStringList, KeepsDuplicatesAndReadsEmptyPastTheEnd)
{
    SortedStringList list;
    list.add("le");
    list.add("chat");
    list.add("le");
    ASSERT_EQ(list.count(), 3u);
    EXPECT_EQ(list.at(0), "chat");
    EXPECT_EQ(list.at(1), "le");
    EXPECT_EQ(list.at(2), "le");
    EXPECT_EQ(list.at(3), "");
}

TEST(SortedStringList, EmptyAndCleared)
{
    SortedStringList list;
    EXPECT_EQ(list.count(), 0u);
    EXPECT_EQ(list.at(0), "");
}

TEST(SortedStringList, AddingAfterReadingSortsAgain)
{
    SortedStringList list;
    list.add("b");
    EXPECT_EQ(list.at(0), "b");
    list.add("a");
    EXPECT_EQ(list.at(0), "a");
    EXPECT_EQ(list.at(1), "b");
}

TEST(Collation, IdenticalStringsAreAlwaysNeighbours)
{
    const std::string text = test::testDataBytes("corpus/r05_france_dieux_ont_soif.txt");
    const std::vector<std::string> sorted = sortedWithList(lowerCasedForms(text));
    std::set<std::string> closed;
    for (std::size_t index = 0; index < sorted.size(); ++index) {
        if (index == 0)
            continue;
        if (sorted[index] != sorted[index - 1]) {
            EXPECT_TRUE(closed.insert(sorted[index - 1]).second) << "split group: " << sorted[index - 1];
        }
        EXPECT_TRUE(std::is_lteq(FrenchCollator::instance().compare(sorted[index - 1], sorted[index])));
    }
    EXPECT_FALSE(closed.contains(sorted.back()));
}

TEST(Collation, EqualCollationFallsBackToBytes)
{
    const FrenchCollator& collator = FrenchCollator::instance();
    EXPECT_EQ(collator.compare("abc", "abc"), std::strong_ordering::equal);
    // Whatever the collator says of them, two different strings never compare equal.
    EXPECT_NE(collator.compare(cp1252("ß"), "ss"), std::strong_ordering::equal);
    EXPECT_EQ(std::is_lt(collator.compare(cp1252("ß"), "ss")), std::is_gt(collator.compare("ss", cp1252("ß"))));
}

TEST(Collation, OrderIsAPermutationSortedByCompare)
{
    const std::vector<std::string> texts = {cp1252("été"), "ete", "b", "a", cp1252("à"), "a"};
    const std::vector<std::string_view> views(texts.begin(), texts.end());
    const std::vector<std::size_t> order = FrenchCollator::instance().order(views);
    ASSERT_EQ(order.size(), texts.size());
    for (std::size_t index = 1; index < order.size(); ++index)
        EXPECT_TRUE(std::is_lteq(FrenchCollator::instance().compare(texts[order[index - 1]], texts[order[index]])));
}

} // namespace
} // namespace quorvelle
