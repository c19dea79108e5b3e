// Function words (« mots-outils »): the forms a list may set aside so that the words that carry
// the text's meaning come first.
#pragma once

#include "core/text/letters.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace quorvelle {

/// A set of lower-cased forms (code page 1252) that lists leave out on request. Empty, it sets
/// nothing aside.
class FunctionWords {
public:
    FunctionWords() = default;

    /// Every form of text, cut by the letter rule as the texts are and lower-cased; lines that
    /// begin with « # » are comments. One form a line is the usual shape, but « aujourd'hui »
    /// on a line gives its two forms, as the text's own forms would be cut.
    static FunctionWords fromText(std::string_view text, LetterRule letters = LetterRule::Classic);

    /// Whether form, lower-cased, is one of the set.
    bool contains(std::string_view form) const { return forms_.contains(std::string(form)); }

    /// Whether every form of forms, lower-cased and separated by single spaces, is one of the
    /// set: a repeated segment made only of function words.
    bool containsEach(std::string_view forms) const;

    bool empty() const { return forms_.empty(); }
    std::size_t size() const { return forms_.size(); }

    /// The forms in alphabetical order (see FrenchCollator), one a line: the list as a user
    /// reads and edits it.
    std::string asLines() const;

    /// The forms, in no particular order.
    const std::unordered_set<std::string>& forms() const { return forms_; }

private:
    std::unordered_set<std::string> forms_;
};

/// The program's own French list: determiners, pronouns, prepositions, conjunctions, the adverbs
/// of negation, degree, time and place that every text uses, and the forms of être and avoir.
const FunctionWords& frenchFunctionWords();

/// The same list by kind of word, each kind's name (UTF-8) with its forms (code page 1252)
/// separated by spaces: how the manual and the dialog present it.
struct FunctionWordKind {
    std::string_view name;
    std::string forms;
};
std::span<const FunctionWordKind> frenchFunctionWordKinds();

} // namespace quorvelle
