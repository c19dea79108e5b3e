// The lexical table of a corpus: the attestations of every form in every part, or in every
// group of parts.
#pragma once

#include "core/corpus/corpus.h"
#include "core/text/form_table.h"
#include "core/text/tokenized_text.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvelle {

/// Parts studied together: a part alone, or the parts sharing a variable's modality.
struct PartGroup {
    std::string name;
    std::vector<std::size_t> parts; ///< places in Corpus::parts, in corpus order
};

/// The name of the group of parts that lack the partition's variable.
inline constexpr std::string_view withoutValueGroupName = "(sans valeur)";

/// The parts grouped by variable: one group for each of its modalities, in order of first
/// appearance, and one named « (sans valeur) » last for the parts that lack it; with no
/// variable, each part is its own group.
std::vector<PartGroup> partition(const Corpus& corpus, std::optional<std::string_view> variable = std::nullopt);

/// The text of the group's parts, one after the other, each separated from the next by a line
/// break when it does not end with one.
std::string groupText(const Corpus& corpus, const PartGroup& group);

/// A form's attestations in a column of the table.
struct FormInColumn {
    FormTable::Id form = 0;
    std::int64_t count = 0;

    friend bool operator==(const FormInColumn&, const FormInColumn&) = default;
};

/// A column of the table: a part or a group, its number of forms, and the attestations of the
/// forms it holds, by form number.
struct LexicalColumn {
    std::string name;
    std::int64_t tokens = 0;
    std::vector<FormInColumn> counts;

    /// The attestations of form in the column (0 when it has none).
    std::int64_t count(FormTable::Id form) const;
};

/// The forms of the whole corpus (numbered in order of first occurrence, with their
/// attestations in the corpus) and one column for each group. The forms may be lemmas, each in
/// place of the forms read as it.
struct LexicalTable {
    FormTable forms;
    bool ofLemmas = false;
    std::vector<FormTable::Id> alphabetical; ///< the forms in alphabetical order
    std::vector<std::uint32_t> rank;         ///< rank[id]: the form's place among them
    std::int64_t tokens = 0;                 ///< T, the forms of the corpus
    std::vector<LexicalColumn> columns;
};

/// The table of the corpus's groups, its forms cut by the letters of the rule.
LexicalTable lexicalTable(const Corpus& corpus, const std::vector<PartGroup>& groups,
                          LetterRule letters = LetterRule::Classic);

/// What a part's text counts as other units than its forms (its lemmas, say): each unit of
/// units.tokens in text order, as units.forms writes it.
using PartUnits = std::function<TokenizedText(std::string_view partText)>;

/// The table of the corpus's groups counting the units that unitsOf finds in each part, each
/// part seen on its own.
LexicalTable lexicalTable(const Corpus& corpus, const std::vector<PartGroup>& groups, const PartUnits& unitsOf);

} // namespace quorvelle
