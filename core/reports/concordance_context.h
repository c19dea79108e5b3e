// The text a concordance shows around each occurrence: so many characters, or so many forms.
#pragma once

#include "core/reports/concordance.h"
#include "core/text/letters.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace quorvelle {

/// The occurrence of text from byte start to byte end, on the given line, as written, with its
/// contexts cut as context says (see cutContexts).
ConcordanceLine occurrenceLine(std::string_view text, std::size_t start, std::size_t end, std::int64_t line,
                               ConcordanceContext context, const Alphabet& alphabet);

/// Cuts again the left and right contexts of occurrences found in text, whose forms the rule
/// cut, never inside a word (letters, digits, apostrophes and hyphens: "d'orthographe",
/// "peut-être", "1914"): up to context.amount characters on either side, a word the width would
/// cut left out whole; or context.amount forms on either side, from the word of the farthest one
/// before to the word of the farthest one after (to the text's edge when it has fewer). Line
/// ends show as lineEndMark.
void cutContexts(std::span<ConcordanceLine> occurrences, std::string_view text, ConcordanceContext context,
                 LetterRule letters);

} // namespace quorvelle
