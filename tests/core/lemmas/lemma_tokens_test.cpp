// A text's lemmas counted as forms are.
#include "core/lemmas/lemma_tokens.h"

#include "core/test_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvelle {
namespace {

TEST(LemmaTokens, EachLemmaOnceWithItsAttestationsInTextOrder)
{
    const std::string text = test::cp1252("Il mange, ils mangeaient aujourd'hui.");
    const TokenizedText tokens = tokenize(text);
    const TokenizedText lemmas = lemmaTokens(tokens, lemmatize(text, tokens, FrenchDictionary()));
    EXPECT_EQ(lemmas.occurrences, 5); // aujourd'hui once
    ASSERT_EQ(lemmas.distinctCount(), 3u);
    std::vector<std::string> inOrder;
    for (const FormTable::Id id : lemmas.tokens)
        inOrder.push_back(lemmas.forms.form(id));
    EXPECT_EQ(inOrder, (std::vector<std::string>{"il", "manger", "il", "manger", "aujourd'hui"}));
    EXPECT_EQ(lemmas.forms.count(*lemmas.forms.find("manger")), 2);
    // Alphabetical: aujourd'hui, il, manger.
    EXPECT_EQ(lemmas.forms.form(lemmas.alphabetical.front()), "aujourd'hui");
    EXPECT_EQ(lemmas.rank[*lemmas.forms.find("manger")], 2u);
}

} // namespace
} // namespace quorvelle
