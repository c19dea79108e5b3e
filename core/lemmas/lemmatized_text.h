// Each occurrence of a text read as a lemma and a category, by the dictionary and rules a
// student can follow.
#pragma once

#include "core/lemmas/french_dictionary.h"
#include "core/lemmas/word_category.h"
#include "core/text/tokenized_text.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorvelle {

/// A lemma as a category: « être » as a verb and « être » as a noun are two lemmas.
struct Lemma {
    std::string lemma; ///< code page 1252
    WordCategory category = WordCategory::Unknown;

    friend bool operator==(const Lemma&, const Lemma&) = default;
};

/// The reading chosen for every occurrence of a text.
class LemmatizedText {
public:
    using Id = std::uint32_t;

    /// The distinct lemmas, numbered in the order they are first met.
    const std::vector<Lemma>& lemmas() const { return lemmas_; }
    /// The readings other than a lemma's that its occurrences could have had, for each lemma.
    const std::vector<std::vector<Lemma>>& alternatives() const { return alternatives_; }

    std::size_t occurrenceCount() const { return occurrences_.size(); }
    /// The lemma of the occurrence of that number (in text order, as TokenizedText's tokens).
    Id lemmaAt(std::size_t occurrence) const { return occurrences_[occurrence] & numberMask; }
    /// Whether the dictionary and the context allowed another reading.
    bool isAmbiguous(std::size_t occurrence) const { return occurrences_[occurrence] & ambiguousBit; }
    /// Whether the occurrence ends a word written across two forms ("hui" of aujourd'hui,
    /// "un" of quelqu'un): it has the lemma of the form before it and is not counted again.
    bool isJoined(std::size_t occurrence) const { return occurrences_[occurrence] & joinedBit; }

private:
    friend class Lemmatizer;
    static constexpr std::uint32_t ambiguousBit = 1u << 31;
    static constexpr std::uint32_t joinedBit = 1u << 30;
    static constexpr std::uint32_t numberMask = joinedBit - 1;

    std::vector<Lemma> lemmas_;
    std::vector<std::vector<Lemma>> alternatives_;
    std::vector<std::uint32_t> occurrences_;
};

/// Reads every occurrence of tokens (cut from text, occurrences kept) as a lemma. Each form is
/// looked up in the dictionary once, then each occurrence gets the reading its neighbours in the
/// sentence choose, by these rules in turn:
/// - an elided form (l', qu', jusqu') is the word it stands for (le, que, jusque; s' is si before
///   il, se otherwise), and aujourd'hui and quelqu'un are one word each;
/// - a capitalised form inside a sentence is a proper noun when the dictionary knows it as one,
///   does not know it in lower case, or the text never writes it in lower case; at the start of
///   a sentence, only when the text never writes it in lower case and the dictionary knows it as
///   a proper noun or not at all;
/// - si before an adjective or an adverb is an adverb; after être or avoir comes a past
///   participle; after a determiner, a determiner, an adverb before an adjective (le plus
///   grand), or else a noun or an adjective;
/// - le, la, les, leur are pronouns after a subject pronoun or « ne » and before an infinitive
///   that follows a verb, an adverb or a preposition, determiners before what can be a noun, an
///   adjective, a number or an adverb, pronouns otherwise;
/// - qui, que, dont, où after a noun or ce are relative pronouns, as are où and qui after an
///   adjective; en is a pronoun after a subject pronoun or before a conjugated verb;
/// - after a subject or object pronoun or « ne », a verb; after a preposition, a determiner, then
///   an infinitive, then a noun or an adjective; after an adjective, a noun; after a noun, an
///   adjective;
/// - failing those, the reading most common in French for the commonest ambiguous words (de,
///   bien, que, si, comme...), then a grammar word, être or avoir, a verb, an adjective, a noun;
/// - between a noun and an adjective, the adjective when a noun follows;
/// - être and avoir are auxiliaries when a past participle follows them in the sentence, with
///   only adverbs or an inverted subject between.
LemmatizedText lemmatize(std::string_view text, const TokenizedText& tokens, const FrenchDictionary& dictionary);

} // namespace quorvelle
