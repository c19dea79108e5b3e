// A text cut into forms once, in the shape every statistic starts from.
#pragma once

#include "core/text/form_table.h"
#include "core/text/token_sequence.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace quorvelle {

/// The forms of a text: each distinct lower-cased form once (numbered in order of first
/// occurrence, with its number of attestations), each occurrence as the number of its
/// form in text order, and the alphabetical order of the distinct forms.
///
/// Only distinct forms are collated, so the statistics that need the order of the
/// forms, or the order of some of them, sort numbers rather than strings.
struct TokenizedText {
    FormTable forms;
    /// Every occurrence, in text order; empty when the occurrences were only counted.
    TokenSequence tokens;
    std::vector<FormTable::Id> alphabetical;  ///< the distinct forms in alphabetical order
    std::vector<std::uint32_t> rank;          ///< rank[id]: the form's place in alphabetical
    std::int64_t occurrences = 0;             ///< N
    LetterRule letters = LetterRule::Classic; ///< the rule the text was cut by

    std::int64_t tokenCount() const { return occurrences; }
    std::size_t distinctCount() const { return forms.size(); }
};

/// Whether tokenize keeps every occurrence in order, or only counts them: the statistics of
/// a vocabulary need the counts alone, and on a large text the occurrences take most of the
/// memory after the text itself.
enum class Occurrences { Kept, Counted };

/// Told now and then how much of a long computation is done: done bytes of the text out of
/// total. The computation is given up through its thread's cancellation (see stopIfCancelled).
using WorkProgress = std::function<void(std::size_t done, std::size_t total)>;

/// Cuts the text into forms by the letters of a rule (see forEachForm) and counts them,
/// telling progress as it goes when given one.
TokenizedText tokenize(std::string_view text, Occurrences occurrences = Occurrences::Kept,
                       LetterRule letters = LetterRule::Classic, const WorkProgress& progress = {});

} // namespace quorvelle
