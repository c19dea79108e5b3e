// Patterns of forms: wildcards lower-cased as the forms are, regular expressions matched whole,
// and a French message for a word that is no pattern.
#include "core/text/form_pattern.h"

#include "core/test_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvelle {
namespace {

bool matches(std::string_view pattern, std::string_view form, PatternSyntax syntax = PatternSyntax::Wildcards)
{
    return FormPattern(test::cp1252(pattern), syntax).matches(test::cp1252(form));
}

TEST(FormPattern, WildcardsStandForLetters)
{
    EXPECT_TRUE(matches("citoy*", "citoyen"));
    EXPECT_TRUE(matches("Citoy*", "citoy")); // the star takes no letter, the capital is lower-cased
    EXPECT_FALSE(matches("citoy*", "concitoyen"));
    EXPECT_TRUE(matches("*oy*", "concitoyens"));
    EXPECT_TRUE(matches("?ai*", "mais"));
    EXPECT_FALSE(matches("?ai*", "ai"));
    EXPECT_TRUE(matches("[éèe]t?", "été"));
    EXPECT_FALSE(matches("[éèe]t?", "ôté"));
    // A star gives back letters when what follows it needs them.
    EXPECT_TRUE(matches("*e*e", "entendre"));
    EXPECT_FALSE(matches("*e*e", "entendu"));
    EXPECT_TRUE(matches("**", ""));

    const FormPattern plain(test::cp1252("Été"), PatternSyntax::Wildcards);
    EXPECT_TRUE(plain.isPlainForm());
    EXPECT_FALSE(FormPattern(test::cp1252("[ée]t"), PatternSyntax::Wildcards).isPlainForm());
    EXPECT_EQ(FormPattern(test::cp1252("Ci[yi]t?*"), PatternSyntax::Wildcards).letters(), "ciit");
}

TEST(FormPattern, RegularExpressionsMatchTheWholeFormWhateverItsCase)
{
    EXPECT_TRUE(matches("le|la|les", "les", PatternSyntax::RegularExpression));
    EXPECT_FALSE(matches("le|la|les", "lessive", PatternSyntax::RegularExpression));
    EXPECT_TRUE(matches("^(LE|la)$", "le", PatternSyntax::RegularExpression));
    EXPECT_TRUE(matches("\\p{L}+ment", "lentement", PatternSyntax::RegularExpression));
    EXPECT_FALSE(FormPattern("l.*", PatternSyntax::RegularExpression).isPlainForm());
    EXPECT_EQ(FormPattern("l.*", PatternSyntax::RegularExpression).letters(), "");
    // A pattern that would backtrack for ever is given up, not waited for.
    const FormPattern endless("(a+)+b", PatternSyntax::RegularExpression);
    EXPECT_THROW(endless.matches(std::string(40, 'a')), PatternError);
}

TEST(FormPattern, AMalformedWordIsSaidInFrench)
{
    const auto problem = [](std::string_view word, PatternSyntax syntax = PatternSyntax::Wildcards) {
        try {
            FormPattern pattern(test::cp1252(word), syntax);
        } catch (const PatternError& error) {
            return std::string(error.what());
        }
        return std::string("accepted");
    };
    EXPECT_EQ(problem("cit[oy"), "« cit[oy » : le crochet « [ » n'est pas fermé.");
    EXPECT_EQ(problem("cit[]"), "« cit[] » : des crochets « [] » sans lettre entre eux.");
    EXPECT_EQ(problem("cit]"), "« cit] » : un crochet fermant « ] » sans crochet ouvrant.");
    EXPECT_EQ(problem("c[i*]"), "« c[i*] » : entre crochets, seulement des lettres, et non « * ».");
    EXPECT_EQ(problem("ci/t*"), "« ci/t* » : « / » n'est ni une lettre ni un joker (* ? [ ]).");
    EXPECT_EQ(problem("(le", PatternSyntax::RegularExpression),
              "« (le » n'est pas une expression régulière correcte : une parenthèse n'est pas fermée, ou pas "
              "ouverte (au caractère 4).");
    // Œ is a letter under the extended rule only.
    EXPECT_NO_THROW(FormPattern(test::cp1252("c\xC5\x93ur*"), PatternSyntax::Wildcards, LetterRule::Extended));
}

TEST(FormPattern, AQueryIsItsWordsSeparatedByBlanks)
{
    const std::vector<FormPattern> query = formQuery("  de \t*  ", PatternSyntax::Wildcards);
    ASSERT_EQ(query.size(), 2U);
    EXPECT_EQ(query[0].word(), "de");
    EXPECT_EQ(query[1].word(), "*");
    EXPECT_TRUE(formQuery(" ", PatternSyntax::RegularExpression).empty());
    // Apostrophes and hyphens part forms as they do in the text; a regular expression keeps them.
    EXPECT_EQ(formQuery("aujourd'h*", PatternSyntax::Wildcards).size(), 2U);
    EXPECT_EQ(formQuery("peut-*", PatternSyntax::Wildcards).size(), 2U);
    EXPECT_EQ(formQuery("a-z", PatternSyntax::RegularExpression).size(), 1U);
    EXPECT_TRUE(hasWildcard("citoy*"));
    EXPECT_FALSE(hasWildcard("citoyen"));
}

} // namespace
} // namespace quorvelle
