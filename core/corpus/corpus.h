// A corpus of parts: one text cut into named parts, each with its properties, and what was
// found wrong in its making.
#pragma once

#include "core/text/letters.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quorvelle {

/// A property of a part, written `*variable_modalité` on its marker line.
struct PartProperty {
    std::string variable;
    std::string modality;

    friend bool operator==(const PartProperty&, const PartProperty&) = default;
};

/// A part of a corpus: its name, its properties, and where its text stands in the corpus's.
struct CorpusPart {
    std::string name;
    std::vector<PartProperty> properties;
    std::size_t begin = 0; ///< the first byte of its text in Corpus::text
    std::size_t end = 0;   ///< one past its last byte

    /// The modality of variable, or nullptr when the part does not have it.
    const std::string* modalityOf(std::string_view variable) const;
};

/// Something in the making of a corpus that a user should hear of, and what was done about it.
struct CorpusNotice {
    enum class Kind {
        MarkerWithoutVariable, ///< a marker line with no `*variable_modalité`: the part is named by its place
        MalformedProperty,     ///< a `*word` without `_` between a variable and a modality: left out
        StrayMarkerWord,       ///< a word of a marker line not starting with `*`: left out
        DuplicateVariable,     ///< a variable given twice on one marker line: the first kept
        DuplicateName,         ///< a part named as an earlier one: numbered to tell them apart
        PartWithoutForm,       ///< a part with no form: left out of the parts
    };
    Kind kind;
    std::string part; ///< the part's name (after any renaming)
    std::string word; ///< the word at fault, or the part's former name for a duplicate
    std::size_t line = 0; ///< the marker line's number in the file, from 1; 0 for a part of its own file
};

/// A text cut into parts. text holds the parts' texts one after the other, each separated from
/// the next by one line break when it does not end with one, and nothing else: marker lines are
/// not text, and no statistic of the corpus counts them.
struct Corpus {
    std::string text;
    /// Every part with at least one form, in corpus order; the parts without form are left
    /// out (and said in notices), as no analysis of the parts has anything to say of them.
    std::vector<CorpusPart> parts;
    std::vector<CorpusNotice> notices;

    std::string_view partText(const CorpusPart& part) const
    {
        return std::string_view(text).substr(part.begin, part.end - part.begin);
    }
    /// The variables the parts have, in order of first appearance.
    std::vector<std::string> variables() const;
};

/// Whether the line starting at text's first byte is a marker line: it starts with `****`.
bool isMarkerLine(std::string_view line);

/// Whether the code page 1252 text holds at least one marker line, which makes it a corpus.
bool hasMarkerLines(std::string_view text);

/// The name of the part before the first marker line, « (début) » in code page 1252.
inline constexpr std::string_view openingPartName = "(d\xE9"
                                                    "but)";

/// The corpus of one code page 1252 text whose parts start with marker lines: a line starting
/// with `****`, whose words starting with `*` give the part's properties as
/// `*variable_modalité` (the variable up to the first `_`). A part is named by its properties
/// as written, without their stars (`auteur_sand roman_nanon`), or « partie N » when its line
/// has none; the text before the first marker line is a part named « (début) ». Letters are
/// those of the rule the corpus is read by, which tells whether a part has forms.
Corpus markedCorpus(std::string_view text, LetterRule letters = LetterRule::Classic);

/// A part's text and its name, as read from a file of its own.
struct NamedText {
    std::string name;
    std::string text;
};

/// The corpus whose parts are the texts, in order, each named by its name.
Corpus joinedCorpus(std::vector<NamedText> texts, LetterRule letters = LetterRule::Classic);

} // namespace quorvelle
