// Forms in context: every occurrence of a form with the text around it.
#pragma once

#include "core/text/form_pattern.h"
#include "core/text/letters.h"
#include "core/text/tokenized_text.h"
#include "core/text/vocabulary.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorvelle {

/// One occurrence of a form, in code page 1252.
struct ConcordanceLine {
    std::int64_t line = 0; ///< the line of the text it is on, from 1
    std::string left;      ///< the characters before it, line ends shown as lineEndMark
    std::string form;      ///< the form as the text writes it (line ends shown as lineEndMark)
    std::string right;     ///< the characters after it, line ends shown as lineEndMark

    friend bool operator==(const ConcordanceLine&, const ConcordanceLine&) = default;
};

/// Every occurrence of a form, in text order.
struct Concordance {
    std::string form; ///< lower-cased, as the statistics compare forms
    /// The first occurrence as the text writes it, in lower case and on one line ("qu'il"; see
    /// writtenInLowerCase); form when there is none.
    std::string written;
    std::vector<ConcordanceLine> occurrences;
    LetterRule letters = LetterRule::Classic; ///< the rule that cut the text into forms
    /// When the occurrences are those of a lemma, whatever their forms: the lemma and its
    /// category as a reader reads them ("être (verbe)"); empty otherwise.
    std::string lemma;
    /// When the occurrences are those of a query of patterns: the query as given, and the forms
    /// it found (several forms of a run joined by a space) with their attestations, most attested
    /// first, then in alphabetical order.
    std::string query;
    std::vector<FormCount> matches;
    /// When nothing was found: the forms of the text closest to the first form asked.
    std::vector<std::string> closest;

    friend bool operator==(const Concordance&, const Concordance&) = default;
};

/// "¶" in code page 1252: a line end (CR LF, LF or CR) within a context.
inline constexpr char lineEndMark = '\xB6';

/// The occurrences of form (compared lower-cased; a form is a run of the rule's letters) in
/// text, each with up to width characters of context on either side, found in one pass over
/// the text. form may also be forms separated by blanks, a co-occurrence: they are found where
/// they follow each other, whatever separates them, and shown with what separates them.
Concordance concordance(std::string_view text, std::string_view form, std::size_t width,
                        LetterRule letters = LetterRule::Classic);

/// Forms that follow each other: count of them from the text's form numbered first (from 0).
struct FormRun {
    std::size_t first = 0;
    std::size_t count = 1;
};

/// The occurrences that are the given runs of forms of text (in ascending order; runs that
/// overlap have the same length), each
/// with up to width characters of context on either side, found in one pass over the text; form
/// and written are left empty.
Concordance concordanceOfRuns(std::string_view text, std::span<const FormRun> runs, std::size_t width,
                              LetterRule letters = LetterRule::Classic);

/// The occurrences of a query of patterns (see formQuery) in the text, whose tokens keep their
/// occurrences: every run of forms that match the patterns in order, overlapping runs included,
/// each with up to width characters of context on either side. query and matches are filled.
Concordance queryConcordance(std::string_view text, const TokenizedText& tokens, std::span<const FormPattern> patterns,
                             std::string_view query, std::size_t width);

/// What a search finds in the text, whose tokens keep their occurrences: a form's concordance
/// when the query's words are plain forms, else the query's (see queryConcordance); when
/// nothing answers, the forms closest to its first word. Throws PatternError for a malformed
/// query.
Concordance searchConcordance(std::string_view text, const TokenizedText& tokens, std::string_view query,
                              PatternSyntax syntax, std::size_t width);

/// Up to most forms of the text within a few letters of form (lower-cased): those that differ by
/// the fewest letters added, taken away or changed, the most attested first among equals, then in
/// alphabetical order; a form differing by more than a third of its letters (two at least) is not close.
std::vector<std::string> closestForms(const TokenizedText& tokens, std::string_view form, std::size_t most = 5);

enum class ConcordanceOrder {
    Position,  ///< the text's order
    LeftWord,  ///< by the form just before the occurrence, in alphabetical order
    RightWord, ///< by the form just after it
};

/// The occurrences' places in the given order; occurrences with the same neighbouring form,
/// or none within their context, keep the text's order (those without one come first).
std::vector<std::size_t> concordanceOrder(const Concordance& concordance, ConcordanceOrder order);

} // namespace quorvelle
