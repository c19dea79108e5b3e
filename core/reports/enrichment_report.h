// Vocabulary enrichment: the forms that each slice of 100 forms adds to the vocabulary.
#pragma once

#include "core/text/vocabulary.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorvelle {

/// The number of forms of a slice; the last slice of a text may hold fewer.
inline constexpr std::int64_t enrichmentSliceSize = 100;

/// A distinct form of the text, where it first appears.
struct KnownForm {
    std::string form;              ///< lower-cased
    std::int64_t attestations = 0; ///< its occurrences within its first slice
    std::int64_t firstSlice = 0;   ///< the number of the slice where it first appears

    friend bool operator==(const KnownForm&, const KnownForm&) = default;
};

struct EnrichmentSlice {
    std::int64_t number = 0;       ///< 1 for the first slice, then consecutive
    std::int64_t newFormCount = 0; ///< forms met in no earlier slice
    std::size_t firstNewForm = 0;  ///< where the slice's new forms start in knownForms

    friend bool operator==(const EnrichmentSlice&, const EnrichmentSlice&) = default;
};

struct EnrichmentReport {
    std::int64_t tokenCount = 0; ///< N
    /// Consecutive slices of enrichmentSliceSize forms in text order; a text of N forms has
    /// N / 100 slices rounded up.
    std::vector<EnrichmentSlice> slices;
    /// Every distinct form once, in order of discovery: slice by slice, alphabetical
    /// within a slice.
    std::vector<KnownForm> knownForms;

    /// The forms a slice adds to the vocabulary, alphabetical.
    std::span<const KnownForm> newFormsOf(const EnrichmentSlice& slice) const
    {
        return std::span(knownForms).subspan(slice.firstNewForm, static_cast<std::size_t>(slice.newFormCount));
    }

    friend bool operator==(const EnrichmentReport&, const EnrichmentReport&) = default;
};

EnrichmentReport enrichmentReport(std::string_view text);
EnrichmentReport enrichmentReport(const TokenizedText& text);

} // namespace quorvelle
