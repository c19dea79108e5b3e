// The filter box's reading of what is typed: prefixes, patterns, and runs of forms in a row.
#include "core/text/form_filter.h"

#include "core/test_texts.h"

#include <gtest/gtest.h>

namespace quorvelle {
namespace {

bool passes(std::string_view typed, std::string_view row)
{
    return FormFilter(test::cp1252(typed), LetterRule::Classic).matches(test::cp1252(row));
}

TEST(FormFilter, TypedWordsAreBeginningsAndPatternsWhole)
{
    EXPECT_TRUE(passes("", "tout passe"));
    EXPECT_TRUE(passes("Citoy", "citoyenne"));
    EXPECT_FALSE(passes("citoy", "concitoyens"));
    EXPECT_TRUE(passes("*oy*", "concitoyens"));
    EXPECT_FALSE(passes("cit?", "citoyen"));
    EXPECT_TRUE(passes("été", "L'Été venu"));
}

TEST(FormFilter, SeveralWordsAnswerFormsOneAfterTheOther)
{
    EXPECT_TRUE(passes("de la", "au bord de la mer"));
    EXPECT_TRUE(passes("de la", "de laquelle"));
    EXPECT_FALSE(passes("de la", "la mer de sable"));
    EXPECT_FALSE(passes("de mer", "de la mer"));
    // A run that fails restarts at the form that broke it: « de de la ».
    EXPECT_TRUE(passes("de la", "de de la"));
    EXPECT_TRUE(passes("qu'il", "qu il"));
    EXPECT_THROW(FormFilter(test::cp1252("cit[oy"), LetterRule::Classic), PatternError);
}

} // namespace
} // namespace quorvelle
