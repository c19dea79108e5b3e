// Zipf's law: the forms ranked by decreasing attestations, and the straight line that
// log10 of the attestations draws against log10 of the rank.
#pragma once

#include "core/text/tokenized_text.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvelle {

/// One form at its rank.
struct ZipfRow {
    std::int64_t rank = 0;         ///< r, from 1
    std::string form;              ///< lower-cased
    std::int64_t attestations = 0; ///< f

    friend bool operator==(const ZipfRow&, const ZipfRow&) = default;
};

/// The sums of the least squares over the points, x = log10 r and y = log10 f: what the
/// explanations of the line's figures put in.
struct ZipfSums {
    double x = 0;         ///< Σ x
    double y = 0;         ///< Σ y
    double xx = 0;        ///< Σ (x − x̄)²
    double xy = 0;        ///< Σ (x − x̄) (y − ȳ)
    double yy = 0;        ///< Σ (y − ȳ)²
    double residuals = 0; ///< Σ (y − ŷ)², ŷ = a + b x the line's value at x

    friend bool operator==(const ZipfSums&, const ZipfSums&) = default;
};

/// The least-squares line log10 f = intercept + slope · log10 r, one point per form.
struct ZipfFit {
    double intercept = 0; ///< a, log10 of the attestations the line gives rank 1
    double slope = 0;     ///< b, near −1 where the law holds
    /// R², the share of the spread of log10 f that the line accounts for. None when every form
    /// has the same attestations: log10 f does not vary (its total sum of squares is 0), the
    /// line is flat and there is nothing to account for.
    std::optional<double> determination;
    ZipfSums sums;

    friend bool operator==(const ZipfFit&, const ZipfFit&) = default;
};

struct ZipfReport {
    std::int64_t tokenCount = 0; ///< N
    /// Every distinct form by decreasing attestations, equal attestations in alphabetical order
    /// (see FrenchCollator); the ranks run 1 to D without gaps, so forms of equal attestations
    /// take consecutive ranks.
    std::vector<ZipfRow> rows;
    /// None for fewer than two forms: one point draws no line. From two forms on the ranks
    /// differ, so the slope is always defined.
    std::optional<ZipfFit> fit;

    /// The line's a, b and R², none where they are not defined.
    std::optional<double> intercept() const { return fit ? std::optional(fit->intercept) : std::nullopt; }
    std::optional<double> slope() const { return fit ? std::optional(fit->slope) : std::nullopt; }
    std::optional<double> determination() const { return fit ? fit->determination : std::nullopt; }

    friend bool operator==(const ZipfReport&, const ZipfReport&) = default;
};

ZipfReport zipfReport(std::string_view text);
ZipfReport zipfReport(const TokenizedText& text);

} // namespace quorvelle
