// Patterns that forms match: « citoy* », « ?ai* », « [éèe]t? », or a regular expression.
#pragma once

#include "core/text/form_table.h"
#include "core/text/letters.h"
#include "core/text/tokenized_text.h"

#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quorvelle {

/// How the words of a query are read.
enum class PatternSyntax {
    /// A form as written, where `*` stands for any letters (none included), `?` for one letter
    /// and `[éèe]` for one of the letters between the brackets.
    Wildcards,
    /// An ICU regular expression that the whole lower-cased form must match.
    RegularExpression,
};

/// A query to find in a text: its words in code page 1252 (see formQuery), and how they are read.
struct TextQuery {
    std::string words;
    PatternSyntax syntax = PatternSyntax::Wildcards;
};

/// A query word that is no pattern: what() says in French (UTF-8) what is wrong with it.
class PatternError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

/// What one form of a query must be. The form and the pattern are code page 1252; the pattern's
/// letters are lower-cased as the forms are, so « Citoy* » finds « citoyen ». A regular
/// expression keeps the matcher it reads forms with: one thread at a time matches with it.
class FormPattern {
public:
    /// Throws PatternError for a malformed word: a character that is neither a letter of the
    /// rule nor a wildcard, a bracket left open or empty, a regular expression ICU refuses.
    FormPattern(std::string_view word, PatternSyntax syntax, LetterRule letters = LetterRule::Classic);
    ~FormPattern();
    FormPattern(FormPattern&&) noexcept;
    FormPattern& operator=(FormPattern&&) noexcept;

    /// Whether the lower-cased form matches the pattern. Throws PatternError when a regular
    /// expression takes too long on the form (one that backtracks without end).
    bool matches(std::string_view form) const;

    /// Whether the word has no wildcard: it matches itself alone.
    bool isPlainForm() const;

    /// The word as given.
    const std::string& word() const { return word_; }

    /// The word's letters, lower-cased, without its wildcards and with one letter of each
    /// bracket: what a form close to the pattern is close to. Empty for a regular expression.
    std::string letters() const;

private:
    class Wildcards;
    class Regex;

    std::string word_;
    std::unique_ptr<Wildcards> wildcards_;
    std::unique_ptr<Regex> regex_;
};

/// The patterns of a query's words, separated by blanks, and for wildcards by apostrophes and
/// hyphens too, as the text's forms are (« aujourd'hui » is two forms); none for a blank query.
/// Throws PatternError for a malformed word.
std::vector<FormPattern> formQuery(std::string_view query, PatternSyntax syntax,
                                   LetterRule letters = LetterRule::Classic);

/// Whether each form of the table matches the pattern, by form number: each distinct form is
/// asked once, however many times the text has it.
std::vector<bool> formsMatching(const FormTable& forms, const FormPattern& pattern);

/// Calls found(first, run) for each run of forms of the text, whose tokens keep their occurrences,
/// that match the patterns in order, overlapping runs included, in text order: first is the
/// number of its first form, run its forms' numbers.
void forEachMatchingRun(const TokenizedText& text, std::span<const FormPattern> patterns,
                        const std::function<void(std::size_t first, std::span<const FormTable::Id> run)>& found);

/// Whether the word holds a wildcard character (`*`, `?`, `[` or `]`).
bool hasWildcard(std::string_view word);

} // namespace quorvelle
