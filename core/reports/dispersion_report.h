// Where a form occurs: its attestations in each of a number of equal parts of the text, and
// how evenly they spread over them (Juilland's D, Gries's DP).
#pragma once

#include "core/text/form_pattern.h"
#include "core/text/tokenized_text.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorvelle {

inline constexpr std::int64_t defaultDispersionParts = 10;

/// One part of the text.
struct DispersionPart {
    std::int64_t firstForm = 0;    ///< the number of its first form, the text's forms numbered from 0
    std::int64_t formCount = 0;    ///< its forms; 0 when there are more parts than forms
    std::int64_t attestations = 0; ///< the occurrences of the form that start in it

    friend bool operator==(const DispersionPart&, const DispersionPart&) = default;
};

/// The text's N forms are cut into P parts of equal numbers of forms: part i (from 0) holds
/// the forms numbered ⌊i·N/P⌋ to ⌊(i+1)·N/P⌋ − 1, so sizes differ by one at most.
struct DispersionReport {
    /// The form searched, lower-cased; a segment of several forms, its forms joined by one space.
    std::string form;
    std::int64_t tokenCount = 0;   ///< N
    std::int64_t attestations = 0; ///< the form's occurrences in the whole text
    std::vector<DispersionPart> parts;
    /// Juilland's D = 1 − V / √(P − 1), V the coefficient of variation of the parts'
    /// attestations (their population standard deviation over their mean): 1 when every part
    /// has as many, 0 when one part has them all. None when the form is absent or P = 1.
    std::optional<double> juillandD;
    /// Gries's DP = ½ Σ |oᵢ − sᵢ|, oᵢ the part's share of the form's occurrences and sᵢ its
    /// share of the text's forms: 0 when the form follows the parts' sizes exactly, near 1 when
    /// it keeps to a small part. None when the form is absent.
    std::optional<double> griesDP;
    LetterRule letters = LetterRule::Classic; ///< the rule that cut the text into forms

    friend bool operator==(const DispersionReport&, const DispersionReport&) = default;
};

/// The dispersion of form over parts parts of text (fewer than one counts as one), tokenized
/// with its occurrences kept. form is cut into forms by the text's rule and compared
/// lower-cased; when it holds several forms, they
/// are found where they follow each other (as the concordance finds them) and each
/// occurrence counts in the part of its first form; overlapping occurrences all count
/// ("a a" occurs twice in "a a a").
DispersionReport dispersionReport(const TokenizedText& text, std::string_view form,
                                  std::int64_t parts = defaultDispersionParts);
DispersionReport dispersionReport(std::string_view text, std::string_view form,
                                  std::int64_t parts = defaultDispersionParts,
                                  LetterRule letters = LetterRule::Classic);

/// The dispersion of what query finds: of its forms when they are plain (see dispersionReport),
/// else of every run of forms its patterns match in order, overlapping runs included, each in
/// the part of its first form, form being the query as given. Throws PatternError for a
/// malformed query.
DispersionReport searchDispersion(const TokenizedText& text, const TextQuery& query,
                                  std::int64_t parts = defaultDispersionParts);

} // namespace quorvelle
