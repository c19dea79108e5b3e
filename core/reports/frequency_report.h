// Attestation frequencies: how many distinct forms each number of attestations has, and
// how far that number lies from the mean.
#pragma once

#include "core/text/vocabulary.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace quorvelle {

struct FrequencyRow {
    std::int64_t frequency = 0; ///< f, a number of attestations that some form has
    std::int64_t formCount = 0; ///< the number of distinct forms attested exactly f times
    double deviation = 0;       ///< f − meanFrequency
    std::size_t firstForm = 0;  ///< where the row's forms start in byFrequency

    friend bool operator==(const FrequencyRow&, const FrequencyRow&) = default;
};

struct FrequencyReport {
    std::int64_t tokenCount = 0;    ///< N, every occurrence counted
    std::vector<FormCount> forms;   ///< the distinct forms in alphabetical order
    std::int64_t distinctCount = 0; ///< D
    /// spectrum[f]: the number of distinct forms attested exactly f times, for f up to the
    /// largest number of attestations; spectrum[0] is unused.
    std::vector<std::int64_t> spectrum;
    /// N / D rounded to one decimal, halves to the even neighbour; none when D = 0.
    std::optional<double> meanFrequency;
    std::vector<FrequencyRow> rows; ///< one per f that some form has, decreasing f
    /// The forms by decreasing number of attestations, alphabetical within a number: the
    /// listings of the rows one after the other.
    std::vector<FormCount> byFrequency;

    /// The forms a row stands for, those attested exactly row.frequency times, alphabetical.
    std::span<const FormCount> formsOf(const FrequencyRow& row) const
    {
        return std::span(byFrequency).subspan(row.firstForm, static_cast<std::size_t>(row.formCount));
    }

    friend bool operator==(const FrequencyReport&, const FrequencyReport&) = default;
};

FrequencyReport frequencyReport(std::string_view text);
FrequencyReport frequencyReport(const TokenizedText& text);

} // namespace quorvelle
