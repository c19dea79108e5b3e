// A text's lemmas in the shape of its forms, so that what compares forms compares lemmas.
#pragma once

#include "core/lemmas/lemmatized_text.h"
#include "core/text/tokenized_text.h"

namespace quorvelle {

/// What a comparison counts: the forms of the texts, or their lemmas.
enum class CountingUnit { Forms, Lemmas };

/// The lemmas of a lemmatized text as if they were its forms: each lemma, whatever its category,
/// once in forms with its attestations, each word in text order (a word written across an
/// apostrophe once), and their alphabetical order.
TokenizedText lemmaTokens(const TokenizedText& tokens, const LemmatizedText& lemmatized);

/// The same for the text cut into tokens, lemmatized by the dictionary.
TokenizedText lemmaTokens(std::string_view text, const TokenizedText& tokens, const FrenchDictionary& dictionary);

} // namespace quorvelle
