// The forms around a form: which forms occur within a few forms of a pivot form more often
// than chance would place them there.
#pragma once

#include "core/reports/keyness_scores.h"
#include "core/text/form_pattern.h"
#include "core/text/tokenized_text.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorvelle {

/// Where the forms around the pivot are looked for.
struct CollocateOptions {
    std::int64_t span = 5;      ///< forms on each side of each occurrence of the pivot; below 0 counts as 0
    bool withinSentence = true; ///< the spans stop at the ends of the pivot's sentence (see forEachSentence)

    friend bool operator==(const CollocateOptions&, const CollocateOptions&) = default;
};

/// A form found in the spans.
struct Collocate {
    std::string form;              ///< lower-cased
    std::int64_t count = 0;        ///< c: its occurrences within the spans, each counted once
    std::int64_t attestations = 0; ///< F: its occurrences in the whole text
    /// The specificity of the form in the spans (see specificity): the spans taken as t forms
    /// drawn from the N of the text, F of which are this form, and c of them drawn. Positive
    /// when the form is attracted to the pivot; 2 or more means a probability below 1 %.
    double score = 0;

    friend bool operator==(const Collocate&, const Collocate&) = default;
};

struct CollocateReport {
    std::string pivot; ///< the pivot form, lower-cased; the text given, lower-cased, when it is not one form
    CollocateOptions options;
    std::int64_t tokenCount = 0;        ///< N
    std::int64_t pivotAttestations = 0; ///< the occurrences of the pivot; 0 when the text lacks it
    /// t: the positions the spans cover, each counted once however many spans cover it, the
    /// pivot's own occurrences left out.
    std::int64_t spanForms = 0;
    /// Every form with an occurrence in the spans, unfiltered: by decreasing score, then
    /// decreasing count, then alphabetical order (see FrenchCollator). The pivot is never one.
    std::vector<Collocate> collocates;
    LetterRule letters = LetterRule::Classic; ///< the rule that cut the text into forms

    friend bool operator==(const CollocateReport&, const CollocateReport&) = default;
};

/// The spans as the text 1 of a specificity (see specificity): n1 = t forms drawn from the
/// text's N, n2 = N − t left, f1 = c of the form's F drawn, f2 = F − c left.
FormInTwoTexts drawAroundPivot(std::int64_t count, std::int64_t attestations, std::int64_t spanForms,
                               std::int64_t tokenCount);

/// The least a collocate must reach to be listed.
struct CollocateThresholds {
    std::int64_t minCount = 2; ///< the fewest occurrences in the spans
    double minScore = 2;       ///< the lowest score

    friend bool operator==(const CollocateThresholds&, const CollocateThresholds&) = default;
};

/// The collocates of pivot in text, tokenized with its occurrences kept; text is read for its
/// sentence ends, pivot cut into forms, by the tokens' rule. An occurrence of a form counts once however many spans
/// hold it; the pivot's own occurrences never count, nor cover positions of their own. A pivot that is not exactly one
/// form (none, or several) is found nowhere. Linear in N whatever the span, with one byte per form of the text and one
/// count per distinct form.
CollocateReport collocateReport(std::string_view text, const TokenizedText& tokens, std::string_view pivot,
                                const CollocateOptions& options = {});
CollocateReport collocateReport(std::string_view text, std::string_view pivot, const CollocateOptions& options = {},
                                LetterRule letters = LetterRule::Classic);

/// The same around the occurrences marked in pivotAt (one flag per occurrence of tokens, in text
/// order), whatever their forms: the occurrences of a lemma, named pivot.
CollocateReport collocateReportAt(std::string_view text, const TokenizedText& tokens, std::string pivot,
                                  const std::vector<bool>& pivotAt, const CollocateOptions& options = {});

/// The same around the occurrences of what query finds, which must be one form or one pattern
/// (see formQuery): a form's collocates, or those around every form the pattern matches, named
/// by the query. Throws PatternError for a malformed query.
CollocateReport searchCollocates(std::string_view text, const TokenizedText& tokens, const TextQuery& query,
                                 const CollocateOptions& options = {});

/// The places in report.collocates of those that reach both thresholds, in the report's order:
/// a listing changes its thresholds without computing the report again.
std::vector<std::size_t> shownCollocates(const CollocateReport& report, const CollocateThresholds& thresholds = {});

} // namespace quorvelle
