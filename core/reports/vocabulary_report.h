// The vocabulary list: every distinct form with its attestations, and the totals.
#pragma once

#include "core/text/vocabulary.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace quorvelle {

struct VocabularyReport {
    std::int64_t tokenCount = 0;    ///< N
    std::int64_t distinctCount = 0; ///< D
    /// N / D rounded to one decimal, halves to the even neighbour; none when D = 0.
    std::optional<double> meanFrequency;
    std::vector<FormCount> alphabetical; ///< the vocabulary in alphabetical order
    /// The same forms by decreasing number of attestations, equal numbers alphabetical.
    std::vector<FormCount> byFrequency;
};

VocabularyReport vocabularyReport(std::string_view text);
VocabularyReport vocabularyReport(const TokenizedText& text);

/// N / D rounded to one decimal, or nothing for a text without forms.
std::optional<double> meanFrequency(std::int64_t tokenCount, std::int64_t distinctCount);

} // namespace quorvelle
