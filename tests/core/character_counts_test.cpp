// Character classes and word counts.
#include "core/character_counts.h"

#include "core/test_texts.h"
#include "core/vocabulary_report.h"

#include <gtest/gtest.h>

namespace quorvelle {
namespace {

using test::cp1252;

struct CountsCase {
    const char* name;
    std::string text; // UTF-8, converted to code page 1252
    CharacterCounts expected;
};

class CharacterCountExamples : public testing::TestWithParam<CountsCase> {};

TEST_P(CharacterCountExamples, ClassifiesEveryCharacter)
{
    const CharacterCounts counts = countCharacters(cp1252(GetParam().text));
    EXPECT_EQ(counts, GetParam().expected);
    EXPECT_EQ(counts.alphabetic + counts.numeric + counts.special, counts.total);
}

INSTANTIATE_TEST_SUITE_P(Counts, CharacterCountExamples, testing::Values(
    CountsCase{"SummerOf2001", "Été 2001 !\r\n", {3, 4, 5, 12, 1}},
    CountsCase{"Empty", "", {0, 0, 0, 0, 0}},
    CountsCase{"LigatureIsSpecial", "l'œuf.", {3, 0, 3, 6, 2}},
    CountsCase{"EndsOnALetter", "Bonjour le monde", {14, 0, 2, 16, 3}},
    CountsCase{"TimesAndDivideAreSpecial", "a×b÷c", {3, 0, 2, 5, 3}},
    CountsCase{"Substitute", "\x1A" "a", {1, 0, 1, 2, 1}}
), [](const testing::TestParamInfo<CountsCase>& info) { return info.param.name; });

TEST(CharacterCounts, WordCountEqualsTheVocabularyTotal)
{
    const std::string text = test::testDataBytes("corpus/r03_daudet_petit_chose.txt");
    EXPECT_EQ(countCharacters(text).words, vocabularyReport(text).tokenCount);
}

} // namespace
} // namespace quorvelle
