// Each occurrence read as a lemma: the dictionary's readings and the rules that choose one.
#include "core/lemmas/lemmatized_text.h"

#include "core/test_texts.h"
#include "core/text/encoding.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

namespace quorvelle {
namespace {

using test::cp1252;

const FrenchDictionary& dictionary()
{
    static const FrenchDictionary loaded;
    return loaded;
}

// "lemma catégorie" (UTF-8) of every occurrence, a joined one marked with "+".
std::vector<std::string> readingsOf(std::string_view utf8)
{
    const std::string text = cp1252(utf8);
    const TokenizedText tokens = tokenize(text);
    const LemmatizedText lemmas = lemmatize(text, tokens, dictionary());
    std::vector<std::string> readings;
    for (std::size_t occurrence = 0; occurrence < lemmas.occurrenceCount(); ++occurrence) {
        const Lemma& lemma = lemmas.lemmas()[lemmas.lemmaAt(occurrence)];
        std::string reading = lemmas.isJoined(occurrence) ? "+" : "";
        reading.append(cp1252ToUtf8(lemma.lemma)).append(" ").append(cp1252ToUtf8(categoryName(lemma.category)));
        readings.push_back(std::move(reading));
    }
    return readings;
}

TEST(LemmatizedText, ReadsInflectedFormsAsTheirLemma)
{
    EXPECT_EQ(readingsOf("Nous mangeons des chevaux, de belles pommes."),
              (std::vector<std::string>{"nous pronom", "manger verbe", "des déterminant", "cheval nom",
                                        "de préposition", "beau adjectif", "pomme nom"}));
}

TEST(LemmatizedText, ElidedFormsAreTheWordsTheyStandFor)
{
    EXPECT_EQ(
        readingsOf("je sais qu'il part jusqu'au soir s'il s'ennuie aujourd'hui chez quelqu'un"),
        (std::vector<std::string>{"je pronom", "savoir verbe", "que conjonction", "il pronom", "partir verbe",
                                  "jusque préposition", "au déterminant", "soir nom", "si conjonction", "il pronom",
                                  "se pronom", "ennuyer verbe", "aujourd'hui adverbe", "+aujourd'hui adverbe",
                                  "chez préposition", "quelqu'un pronom", "+quelqu'un pronom"}));
    // Without its apostrophe, a letter is a letter.
    EXPECT_EQ(readingsOf("la lettre l")[2], "l nom");
}

TEST(LemmatizedText, NeighboursChooseBetweenReadings)
{
    // est: a verb after a pronoun, a noun after a determiner
    EXPECT_EQ(readingsOf("il est là")[1], "être verbe");
    EXPECT_EQ(readingsOf("vers l'est du pays")[2], "est nom");
    // été: a participle after avoir, a noun after a determiner
    EXPECT_EQ(readingsOf("il a été")[2], "être verbe");
    EXPECT_EQ(readingsOf("cet été")[1], "été nom");
    // la: a determiner before a noun, a pronoun before a verb
    EXPECT_EQ(readingsOf("je la vois")[1], "le pronom");
    EXPECT_EQ(readingsOf("je vois la mer")[2], "le déterminant");
    // qui, que, où after a noun are relative pronouns; que after a verb a conjunction
    EXPECT_EQ(readingsOf("la ville où il vit")[2], "où pronom");
    EXPECT_EQ(readingsOf("il dit que tu viens")[2], "que conjonction");
    // en: a preposition before a noun, a pronoun after a subject
    EXPECT_EQ(readingsOf("en France")[0], "en préposition");
    EXPECT_EQ(readingsOf("il en parle")[1], "en pronom");
    // si: an adverb before an adjective, a conjunction otherwise
    EXPECT_EQ(readingsOf("si grand")[0], "si adverbe");
    EXPECT_EQ(readingsOf("si tu viens")[0], "si conjonction");
}

TEST(LemmatizedText, EtreAndAvoirAreAuxiliariesBeforeAParticiple)
{
    EXPECT_EQ(readingsOf("elle est venue")[1], "être auxiliaire");
    EXPECT_EQ(readingsOf("il n'a pas bien mangé")[2], "avoir auxiliaire");
    EXPECT_EQ(readingsOf("elle est belle")[1], "être verbe");
    // A sentence ends the search for the participle.
    EXPECT_EQ(readingsOf("il a. Mangé")[1], "avoir verbe");
}

TEST(LemmatizedText, CapitalisedFormsAreProperNounsByTheirPlace)
{
    // Known as a proper noun, or unknown in lower case.
    EXPECT_EQ(readingsOf("il habite Paris avec Nanon")[2], "Paris nom propre");
    EXPECT_EQ(readingsOf("il habite Paris avec Nanon")[4], "Nanon nom propre");
    // Inside a sentence, a word the text never writes in lower case.
    EXPECT_EQ(readingsOf("le Captain Cap")[2], "Cap nom propre");
    EXPECT_EQ(readingsOf("le Cap et le cap")[1], "cap nom");
    // At the start of a sentence, only a name the text never writes in lower case.
    EXPECT_EQ(readingsOf("Nanon vint.")[0], "Nanon nom propre");
    EXPECT_EQ(readingsOf("Marie vint.")[0], "Marie nom propre");
    EXPECT_EQ(readingsOf("Marie ta fille. Il la marie.")[0], "marier verbe");
    EXPECT_EQ(readingsOf("Hier il vint.")[0], "hier adverbe");
    // Unknown in lower case and not capitalised: unknown, itself as its lemma.
    EXPECT_EQ(readingsOf("un zorglubien")[1], "zorglubien inconnu");
}

TEST(LemmatizedText, AmbiguousOccurrencesKeepWhatElseTheyCouldBe)
{
    const std::string text = cp1252("il est à l'est");
    const TokenizedText tokens = tokenize(text);
    const LemmatizedText lemmas = lemmatize(text, tokens, dictionary());
    EXPECT_FALSE(lemmas.isAmbiguous(0));
    ASSERT_TRUE(lemmas.isAmbiguous(1));
    const std::vector<Lemma>& others = lemmas.alternatives()[lemmas.lemmaAt(1)];
    EXPECT_NE(std::ranges::find(others, Lemma{"est", WordCategory::Noun}), others.end());
    EXPECT_NE(std::ranges::find(lemmas.alternatives()[lemmas.lemmaAt(4)], Lemma{cp1252("être"), WordCategory::Verb}),
              lemmas.alternatives()[lemmas.lemmaAt(4)].end());
}

TEST(LemmatizedText, TextsWithoutFormsOrWithUnusualBytesAreRead)
{
    EXPECT_TRUE(readingsOf("").empty());
    EXPECT_TRUE(readingsOf("... 12, 13 !").empty());
    // An apostrophe at the end of the text, and bytes the code page leaves undefined.
    EXPECT_TRUE(readingsOf("l'").front().starts_with("le "));
    EXPECT_EQ(readingsOf(std::string("ab\x81\x8D"
                                     "cd"))
                  .size(),
              2u);
}

} // namespace
} // namespace quorvelle
