// The contexts of a concordance: never inside a word, in characters or in forms, and cut again.
#include "core/reports/concordance_context.h"

#include <gtest/gtest.h>

namespace quorvelle {
namespace {

const std::string text = "L'autre chat noir dort.\r\nLe chat mange.";

// A word the width would cut is left out whole, apostrophes and hyphens joining its forms.
TEST(ConcordanceContext, CharactersStopBeforeACutWord)
{
    const std::string_view fault = "Une faute d'orthographe, peut-\xEAtre.";
    const auto right = [fault](std::size_t width) {
        return concordance(fault, "faute", {width, ContextUnit::Characters}).occurrences.front().right;
    };
    EXPECT_EQ(right(12), " ");
    EXPECT_EQ(right(15), " d'orthographe,");
    EXPECT_EQ(right(22), " d'orthographe, ");
}

// From the word of the farthest form before to the word of the farthest form after, across
// sentences and lines; near the text's edge, to the edge.
TEST(ConcordanceContext, FormsOnEitherSide)
{
    EXPECT_EQ(concordance(text, "chat", {2, ContextUnit::Forms}).occurrences,
              (std::vector<ConcordanceLine>{{1, "L'autre ", "chat", " noir dort", 8, 12},
                                            {2, "dort.\xB6Le ", "chat", " mange.", 28, 32}}));
    // One form, autre: its word whole.
    EXPECT_EQ(concordance(text, "chat", {1, ContextUnit::Forms}).occurrences.front().left, "L'autre ");
}

// Contexts cut again in another unit are those the concordance would have found in it.
TEST(ConcordanceContext, CutAgainInAnotherUnit)
{
    Concordance found = concordance(text, "chat", {50, ContextUnit::Characters});
    cutContexts(found.occurrences, text, {2, ContextUnit::Forms}, LetterRule::Classic);
    EXPECT_EQ(found.occurrences, concordance(text, "chat", {2, ContextUnit::Forms}).occurrences);
    cutContexts(found.occurrences, text, {5, ContextUnit::Characters}, LetterRule::Classic);
    EXPECT_EQ(found.occurrences.front().left, " ");
    EXPECT_EQ(found.occurrences.front().right, " noir");
}

} // namespace
} // namespace quorvelle
