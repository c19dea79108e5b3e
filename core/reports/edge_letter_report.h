// Letters at the start and end of words: how many forms begin and end with each letter.
#pragma once

#include "core/text/vocabulary.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace quorvelle {

struct TokenizedText;

/// A letter that begins or ends at least one form.
struct EdgeLetterRow {
    char letter = 0;             ///< lower-cased
    std::int64_t startCount = 0; ///< forms of the text beginning with it, occurrences counted
    std::int64_t endCount = 0;   ///< forms ending with it
    /// The forms of each side: the distinct lower-cased forms in alphabetical order with
    /// their attestations; empty when the side's count is 0.
    std::vector<FormCount> starts;
    std::vector<FormCount> ends;

    friend bool operator==(const EdgeLetterRow&, const EdgeLetterRow&) = default;
};

struct EdgeLetterReport {
    /// In increasing code of the letter in code page 1252: a to z, then š, œ, ž under the
    /// extended letter rule, then ß, à to ÿ. The start counts and the end counts each add up
    /// to N. A form of one letter counts on both sides.
    std::vector<EdgeLetterRow> rows;
};

EdgeLetterReport edgeLetterReport(std::string_view text);
EdgeLetterReport edgeLetterReport(const TokenizedText& text);

} // namespace quorvelle
