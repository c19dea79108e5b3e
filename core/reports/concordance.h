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
    std::size_t start = 0; ///< where it starts in the text, in bytes
    std::size_t end = 0;   ///< where it ends: the byte after its last letter

    friend bool operator==(const ConcordanceLine&, const ConcordanceLine&) = default;
};

/// What the contexts of a concordance are counted in.
enum class ContextUnit {
    Characters, ///< so many characters at most, a word the width would cut left out whole
    Forms,      ///< so many forms
};

/// How much text a concordance shows on either side of each occurrence (see cutContexts).
struct ConcordanceContext {
    std::size_t amount = 0;
    ContextUnit unit = ContextUnit::Characters;

    friend bool operator==(const ConcordanceContext&, const ConcordanceContext&) = default;
};

/// The widest contexts offered, in characters and in forms.
inline constexpr std::size_t mostContextCharacters = 1000;
inline constexpr std::size_t mostContextForms = 100;

/// Every occurrence of a form, in text order.
struct Concordance {
    std::string form; ///< lower-cased, as the statistics compare forms
    /// The first occurrence as the text writes it, in lower case and on one line ("qu'il"; see
    /// writtenInLowerCase); form when there is none.
    std::string written;
    std::vector<ConcordanceLine> occurrences;
    LetterRule letters = LetterRule::Classic; ///< the rule that cut the text into forms
    ConcordanceContext context = {};          ///< how the occurrences' contexts are cut
    /// When the occurrences are those of a lemma, whatever their forms: the lemma and its
    /// category as a reader reads them ("être (verbe)"); empty otherwise.
    std::string lemma;
    /// When the occurrences are those of a query of patterns: the query as given, and the forms
    /// it found (several forms of a run joined by a space) with their attestations, most attested
    /// first, then in alphabetical order.
    std::string query;
    PatternSyntax syntax = PatternSyntax::Wildcards; ///< how query was read
    std::vector<FormCount> matches;
    /// When nothing was found: the forms of the text closest to the first form asked.
    std::vector<std::string> closest;

    friend bool operator==(const Concordance&, const Concordance&) = default;
};

/// "¶" in code page 1252: a line end (CR LF, LF or CR) within a context.
inline constexpr char lineEndMark = '\xB6';

/// The occurrences of form (compared lower-cased; a form is a run of the rule's letters) in
/// text, each with its contexts cut as context says, found in one pass over the text. form may
/// also be forms separated by blanks, a co-occurrence: they are found where they follow each
/// other, whatever separates them, and shown with what separates them.
Concordance concordance(std::string_view text, std::string_view form, ConcordanceContext context,
                        LetterRule letters = LetterRule::Classic);

/// Forms that follow each other: count of them from the text's form numbered first (from 0).
struct FormRun {
    std::size_t first = 0;
    std::size_t count = 1;
};

/// The occurrences that are the given runs of forms of text (in ascending order; runs that
/// overlap have the same length), each with its contexts cut as context says, found in one pass
/// over the text; form and written are left empty.
Concordance concordanceOfRuns(std::string_view text, std::span<const FormRun> runs, ConcordanceContext context,
                              LetterRule letters = LetterRule::Classic);

/// The occurrences of a query of patterns (see formQuery) in the text, whose tokens keep their
/// occurrences: every run of forms that match the patterns in order, overlapping runs included,
/// each with its contexts cut as context says. query and matches are filled.
Concordance queryConcordance(std::string_view text, const TokenizedText& tokens, std::span<const FormPattern> patterns,
                             std::string_view query, ConcordanceContext context);

/// What a search finds in the text, whose tokens keep their occurrences: a form's concordance
/// when the query's words are plain forms, else the query's (see queryConcordance); when
/// nothing answers, the forms closest to its first word. Throws PatternError for a malformed
/// query.
Concordance searchConcordance(std::string_view text, const TokenizedText& tokens, std::string_view query,
                              PatternSyntax syntax, ConcordanceContext context);

/// Up to most forms of the text within a few letters of form (lower-cased): those that differ by
/// the fewest letters added, taken away or changed, the most attested first among equals, then in
/// alphabetical order; a form differing by more than a third of its letters (two at least) is not close.
std::vector<std::string> closestForms(const TokenizedText& tokens, std::string_view form, std::size_t most = 5);

} // namespace quorvelle
