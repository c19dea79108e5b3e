// What the filter box above a list asks of its rows: forms typed, or patterns of them.
#pragma once

#include "core/text/form_pattern.h"
#include "core/text/letters.h"

#include <string_view>
#include <vector>

namespace quorvelle {

/// The words typed in a filter box, read as a query of patterns (see formQuery): a word with
/// wildcards answers the forms it matches whole (« *oy* »: citoyen and concitoyen); a word without
/// answers the forms that begin with it (« citoy »: citoyen, citoyenne), so that the rows narrow
/// down letter by letter as the user types.
class FormFilter {
public:
    /// Nothing typed: every row passes.
    FormFilter() = default;
    /// Throws PatternError for a word that is no pattern.
    FormFilter(std::string_view typed, LetterRule letters);

    /// Whether nothing was typed.
    bool empty() const { return patterns_.empty(); }

    /// Whether the forms of text (code page 1252, cut by the letter rule, compared lower-cased)
    /// hold forms that answer the typed words, one after the other.
    bool matches(std::string_view text) const;

private:
    LetterRule letters_ = LetterRule::Classic;
    std::vector<FormPattern> patterns_;
};

} // namespace quorvelle
