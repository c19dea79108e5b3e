// The dictionary's analyses read as lemmas and categories, and a dictionary that is missing.
#include "core/lemmas/french_dictionary.h"

#include "core/test_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace quorvelle {
namespace {

using test::cp1252;

std::vector<Reading> readingsOf(std::vector<std::string> analyses)
{
    return readingsOfAnalyses(analyses);
}

TEST(FrenchDictionary, AnalysesGiveOneReadingForEachCategory)
{
    // A participle's adjective reading is its verb's; tenses say whether it is conjugated.
    const std::vector<Reading> mange =
        readingsOf({"st:manger po:v1_it_x__a po:ppas po:adj is:mas", "st:manger po:v1_it_x__a po:ipre po:3sg"});
    ASSERT_EQ(mange.size(), 2u);
    EXPECT_EQ(mange[0].category, WordCategory::Verb);
    EXPECT_TRUE(mange[0].pastParticiple);
    EXPECT_FALSE(mange[0].finite);
    EXPECT_TRUE(mange[1].finite);
    // A noun that is also an adjective is two readings; a repeated one is kept once.
    const std::vector<Reading> beau = readingsOf({"st:beau po:nom po:adj is:mas", "st:beau po:nom is:mas"});
    ASSERT_EQ(beau.size(), 2u);
    EXPECT_EQ(beau[0].category, WordCategory::Noun);
    EXPECT_EQ(beau[1].category, WordCategory::Adjective);
    // A contracted article is a determiner before a preposition.
    const std::vector<Reading> au = readingsOf({"st:au po:mg po:prep po:det is:mas"});
    ASSERT_EQ(au.size(), 2u);
    EXPECT_EQ(au[0].category, WordCategory::Determiner);
    EXPECT_TRUE(au[0].grammatical);
    EXPECT_EQ(readingsOf({"st:qui po:mg po:proint po:prorel"}).front().relative, true);
    // Tags a class has no name for give no reading.
    EXPECT_TRUE(readingsOf({"st:qu po:mg po:err", "po:pfx st:anti"}).empty());
}

TEST(FrenchDictionary, LemmasAreWrittenAsAClassWritesThem)
{
    EXPECT_EQ(readingsOf({"po:mg po:det is:fem st:la"})[0].lemma, "le");
    EXPECT_EQ(readingsOf({"st:ses po:mg po:detpos"})[0].lemma, "son");
    EXPECT_EQ(readingsOf({"st:ils po:mg po:propersuj"})[0].lemma, "il");
    EXPECT_EQ(readingsOf({"st:connaitre po:v3_it_q__a po:ipre"})[0].lemma, cp1252("connaître"));
    EXPECT_EQ(readingsOf({"st:aujourd\xE2\x80\x99hui po:adv"})[0].lemma, "aujourd'hui");
    // The adjective "la" (a note) keeps its lemma; only determiners and pronouns are brought back.
    EXPECT_EQ(readingsOf({"st:la po:nom is:mas"})[0].lemma, "la");
}

TEST(FrenchDictionary, KnowsInflectedFormsByTheirCase)
{
    const FrenchDictionary dictionary;
    EXPECT_EQ(dictionary.readings("chevaux").front().lemma, "cheval");
    EXPECT_TRUE(dictionary.readings("zorglubien").empty());
    const auto isProperNoun = [](const Reading& reading) { return reading.category == WordCategory::ProperNoun; };
    EXPECT_TRUE(std::ranges::any_of(dictionary.readings("Paris"), isProperNoun));
    EXPECT_FALSE(std::ranges::any_of(dictionary.readings("paris"), isProperNoun));
}

TEST(FrenchDictionary, AMissingDictionaryNamesItsPackage)
{
    try {
        const FrenchDictionary missing("/nonexistent/dictionaries");
        FAIL() << "a missing dictionary was loaded";
    } catch (const DictionaryError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("hunspell-fr-comprehensive"), std::string::npos);
        const auto affixFile = std::filesystem::path("/nonexistent/dictionaries") / "fr.aff";
        EXPECT_NE(message.find(affixFile.string()), std::string::npos) << message;
    }
}

} // namespace
} // namespace quorvelle
