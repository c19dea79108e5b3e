// The forms of two texts ranked by how much more one text uses them than the other.
#pragma once

#include "core/text/tokenized_text.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorvelle {

/// By default, a form whose specificity is below this in absolute value is "banale": its
/// probability under the hypergeometric model is 1 % or more.
inline constexpr double defaultSpecificityThreshold = 2;

/// A form of either text, its attestations in each, and its scores (see keyness_scores.h).
struct SpecificForm {
    std::string form;
    std::size_t alphabeticalRank = 0; ///< the form's place among the forms in alphabetical order
    std::int64_t f1 = 0;
    std::int64_t f2 = 0;
    std::optional<double> frequency1; ///< per 10 000 forms of text 1; none when it has none
    std::optional<double> frequency2;
    double specificity = 0;         ///< Lafon: positive when over-used in text 1
    double g2 = 0;                  ///< Dunning, signed as the specificity
    std::optional<double> logRatio; ///< Hardie; none when a text has no form

    friend bool operator==(const SpecificForm&, const SpecificForm&) = default;
};

struct SpecificityReport {
    std::int64_t n1 = 0; ///< forms of text 1
    std::int64_t n2 = 0;
    /// The specificity, in absolute value, from which a form counts as specific; the
    /// others are banal.
    double threshold = defaultSpecificityThreshold;
    /// Every form of either text, by specificity decreasing, forms of equal specificity in
    /// alphabetical order.
    std::vector<SpecificForm> forms;
    /// Whether what is compared are the texts' lemmas, each in place of its forms.
    bool ofLemmas = false;

    /// The forms whose specificity reaches the threshold (over-used in text 1), and those
    /// whose specificity reaches its opposite (over-used in text 2).
    std::int64_t overUsedIn1() const;
    std::int64_t overUsedIn2() const;
    /// Whether the form's specificity reaches the threshold, in either direction.
    bool isSpecific(const SpecificForm& form) const;
    /// The places in forms of the specific forms at either end: up to perSide of those most
    /// over-used in text 1, then up to perSide of those most over-used in text 2, by
    /// specificity decreasing.
    std::vector<std::size_t> extremes(std::size_t perSide) const;
};

/// The scores of every form of the two texts, read from their form tables: nothing but the
/// report is built, so that it takes no more memory than the comparison of the two texts.
SpecificityReport specificityReport(const TokenizedText& text1, const TokenizedText& text2);

} // namespace quorvelle
