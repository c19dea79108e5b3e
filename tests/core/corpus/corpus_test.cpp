// Cutting a text into parts at its marker lines, joining texts as parts, grouping parts and
// counting their forms.
#include "core/corpus/corpus.h"
#include "core/corpus/lexical_table.h"
#include "core/test_texts.h"
#include "core/text/segmentation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvelle {
namespace {

using Kind = CorpusNotice::Kind;

std::vector<std::string> partNames(const Corpus& corpus)
{
    std::vector<std::string> names;
    for (const CorpusPart& part : corpus.parts)
        names.push_back(part.name);
    return names;
}

TEST(Corpus, MarkerLinesStartPartsAndAreNotText)
{
    const Corpus corpus = markedCorpus("Titre\r\n**** *auteur_sand *roman_nanon\r\nIl pleut.\r\n"
                                       "****  *auteur_zola\nLe ciel\n****\r\nFin");
    EXPECT_EQ(partNames(corpus), (std::vector<std::string>{std::string(openingPartName), "auteur_sand roman_nanon", "auteur_zola", "partie 3"}));
    EXPECT_EQ(corpus.text, "Titre\r\nIl pleut.\r\nLe ciel\nFin");
    EXPECT_EQ(corpus.partText(corpus.parts[1]), "Il pleut.\r\n");
    EXPECT_EQ(corpus.partText(corpus.parts[3]), "Fin");
    EXPECT_EQ(corpus.parts[1].properties, (std::vector<PartProperty>{{"auteur", "sand"}, {"roman", "nanon"}}));
    EXPECT_EQ(corpus.variables(), (std::vector<std::string>{"auteur", "roman"}));
    ASSERT_EQ(corpus.notices.size(), 1U);
    EXPECT_EQ(corpus.notices[0].kind, Kind::MarkerWithoutVariable);
    EXPECT_EQ(corpus.notices[0].line, 6U);
    EXPECT_FALSE(hasMarkerLines("Un texte *** avec des étoiles\n ****"));
}

TEST(Corpus, FaultsOfMarkerLinesAreSaidAndTreated)
{
    const Corpus corpus = markedCorpus("\r\n  \r\n**** *a_1 *b *a_2 mot *_x\nun\n**** *a_1\ndeux\n**** *a_3\n...\n**** *a_1\ntrois");
    // Blank lines before the first marker line are no part; a part without forms is left out;
    // a name met again is numbered.
    EXPECT_EQ(partNames(corpus), (std::vector<std::string>{"a_1", "a_1 (2)", "a_1 (3)"}));
    std::vector<std::pair<Kind, std::string>> notices;
    for (const CorpusNotice& notice : corpus.notices)
        notices.emplace_back(notice.kind, notice.word);
    EXPECT_EQ(notices, (std::vector<std::pair<Kind, std::string>>{{Kind::MalformedProperty, "*b"},
                                                                  {Kind::DuplicateVariable, "*a_2"},
                                                                  {Kind::StrayMarkerWord, "mot"},
                                                                  {Kind::MalformedProperty, "*_x"},
                                                                  {Kind::DuplicateName, "a_1"},
                                                                  {Kind::PartWithoutForm, ""},
                                                                  {Kind::DuplicateName, "a_1"}}));
    EXPECT_EQ(corpus.notices[5].part, "a_3");
    // The text of the part left out stays in the corpus's.
    EXPECT_EQ(corpus.text, "\r\n  \r\nun\ndeux\n...\ntrois");
}

TEST(Corpus, JoinedTextsAreSeparatedByALineBreak)
{
    const Corpus corpus = joinedCorpus({{"un", "fin"}, {"deux", "début\n"}, {"vide", " "}, {"trois", "x"}});
    EXPECT_EQ(corpus.text, "fin\r\ndébut\n \r\nx");
    EXPECT_EQ(partNames(corpus), (std::vector<std::string>{"un", "deux", "trois"}));
    EXPECT_EQ(corpus.partText(corpus.parts[2]), "x");
}

TEST(LexicalTable, PartitionsGroupTheParts)
{
    const Corpus corpus = markedCorpus("**** *auteur_a\nle chat\n**** *auteur_b\nle chien le\n**** *x_y\nLE\n"
                                       "**** *auteur_a\nchat\n");
    const std::vector<PartGroup> byAuthor = partition(corpus, "auteur");
    ASSERT_EQ(byAuthor.size(), 3U);
    EXPECT_EQ(byAuthor[0].name, "a");
    EXPECT_EQ(byAuthor[0].parts, (std::vector<std::size_t>{0, 3}));
    EXPECT_EQ(byAuthor[2].name, withoutValueGroupName);
    EXPECT_EQ(partition(corpus).size(), 4U);

    const LexicalTable table = lexicalTable(corpus, byAuthor);
    EXPECT_EQ(table.tokens, 7);
    const FormTable::Id le = *table.forms.find("le");
    const FormTable::Id chat = *table.forms.find("chat");
    EXPECT_EQ(table.forms.count(le), 4);
    EXPECT_EQ(table.columns[0].tokens, 3);
    EXPECT_EQ(table.columns[0].count(chat), 2);
    EXPECT_EQ(table.columns[1].count(le), 2);
    EXPECT_EQ(table.columns[2].count(chat), 0);
    EXPECT_EQ(table.forms.form(table.alphabetical.front()), "chat");
}

// Each part cut into other units (here each form's first letter as written, as a lemma keeps a
// proper noun's capital), counted as they are written.
TEST(LexicalTable, OtherUnitsThanFormsAreCountedAsWritten)
{
    const Corpus corpus = joinedCorpus({{"un", "Le chat"}, {"deux", "le Loup"}, {"trois", "cerf"}});
    const LexicalTable table = lexicalTable(corpus, partition(corpus), [](std::string_view text) {
        TokenizedText units;
        forEachForm(text, Alphabet::of(LetterRule::Classic),
                    [&units](std::string_view form) { units.tokens.push_back(units.forms.add(form.substr(0, 1))); });
        return units;
    });
    EXPECT_EQ(table.tokens, 5);
    ASSERT_EQ(table.forms.size(), 3U); // L, c, l
    const FormTable::Id capital = *table.forms.find("L");
    EXPECT_EQ(table.forms.count(capital), 2);
    EXPECT_EQ(table.columns[1].count(capital), 1);
    EXPECT_EQ(table.columns[1].count(*table.forms.find("l")), 1);
    EXPECT_EQ(table.columns[2].tokens, 1);
    EXPECT_EQ(table.rank.size(), 3U);
}

} // namespace
} // namespace quorvelle
