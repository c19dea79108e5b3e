// Function words: the program's list, lists read from a file, and the rows they take out of
// the vocabulary and the repeated segments.
#include "core/reports/without_function_words.h"

#include "core/test_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace quorvelle {
namespace {

std::vector<std::string> formsOf(const std::vector<FormCount>& rows)
{
    std::vector<std::string> forms;
    for (const FormCount& row : rows)
        forms.push_back(row.form);
    return forms;
}

TEST(FunctionWords, FrenchListHoldsEachFormOnceAsTheTextCutsIt)
{
    std::multiset<std::string> listed;
    for (const FunctionWordKind& kind : frenchFunctionWordKinds()) {
        const FunctionWords ofKind = FunctionWords::fromText(kind.forms);
        listed.insert(ofKind.forms().begin(), ofKind.forms().end());
    }
    const FunctionWords& words = frenchFunctionWords();
    EXPECT_EQ(listed.size(), words.size()) << "a form listed under two kinds";
    EXPECT_GE(words.size(), 200u);
    EXPECT_LE(words.size(), 400u);
    for (const char* form : {"le", "l", "qu", "jusqu", "à", "où", "ça", "été", "eût", "ci"})
        EXPECT_TRUE(words.contains(test::cp1252(form))) << form;
    for (const char* form : {"chat", "mer", "aujourd", "faire", "Le"})
        EXPECT_FALSE(words.contains(test::cp1252(form))) << form;
}

TEST(FunctionWords, ReadFromAListAsTheTextIsCut)
{
    const FunctionWords words =
        FunctionWords::fromText(test::cp1252("# mes mots\r\nÉté\n  chat  \r\naujourd'hui\rsœur\n\n"));
    EXPECT_EQ(words.asLines(), test::cp1252("aujourd\nchat\nété\nhui\ns\nur\n"));
    EXPECT_FALSE(words.contains("mes"));
    EXPECT_TRUE(words.containsEach("chat hui"));
    EXPECT_FALSE(words.containsEach("chat chien"));
}

TEST(FunctionWords, LeaveTheirRowsOutOfTheListsNotOutOfTheTotals)
{
    const std::string text = test::cp1252("Le chat de la mer dort. Le chat de la mer rêve. De la mer, il dort.");
    const VocabularyReport all = vocabularyReport(text);
    const VocabularyReport kept = withoutFunctionWords(all, frenchFunctionWords());
    EXPECT_EQ(formsOf(kept.byFrequency), (std::vector<std::string>{"mer", "chat", "dort", test::cp1252("rêve")}));
    EXPECT_EQ(formsOf(kept.alphabetical), (std::vector<std::string>{"chat", "dort", "mer", test::cp1252("rêve")}));
    EXPECT_EQ(kept.tokenCount, all.tokenCount);
    EXPECT_EQ(kept.distinctCount, all.distinctCount);

    std::vector<std::string> segments;
    for (const RepeatedSegment& segment : withoutFunctionWords(repeatedSegments(text), frenchFunctionWords()).segments)
        segments.emplace_back(segment.forms);
    EXPECT_TRUE(std::ranges::find(segments, "de la mer") != segments.end());
    EXPECT_TRUE(std::ranges::find(segments, "de la") == segments.end());
    EXPECT_TRUE(std::ranges::find(segments, "le chat") != segments.end());
}

} // namespace
} // namespace quorvelle
