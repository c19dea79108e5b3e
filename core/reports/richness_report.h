// Measures of the richness of a vocabulary: how many distinct forms a text uses for its length.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace quorvelle {

struct TokenizedText;

/// N forms, V distinct forms, V1 hapaxes (forms attested once) and the measures built on
/// them; V(i) is the number of distinct forms attested exactly i times. A measure the text
/// cannot define is empty: every one when N = 0; Herdan when N = 1; Simpson when N < 2;
/// Honoré when every form is a hapax; MATTR and MTLD when N < 100, and MTLD also when a
/// direction of reading counts no factor.
struct RichnessReport {
    std::int64_t tokenCount = 0;    ///< N
    std::int64_t distinctCount = 0; ///< V
    std::int64_t hapaxCount = 0;    ///< V1
    /// Σ i² V(i): the sum, over the distinct forms, of their attestations squared. Yule's K and
    /// Simpson's D are computed from it, Σ V(i) i (i − 1) being Σ i² V(i) − N.
    std::int64_t squaredCountSum = 0;
    std::optional<double> ttr;           ///< V / N
    std::optional<double> guiraud;       ///< V / √N
    std::optional<double> herdan;        ///< ln V / ln N
    std::optional<double> yuleK;         ///< 10⁴ (Σ i² V(i) − N) / N²
    std::optional<double> simpsonD;      ///< Σ V(i) i (i − 1) / (N (N − 1))
    std::optional<double> honoreR;       ///< 100 ln N / (1 − V1 / V)
    std::optional<double> hapaxPerForm;  ///< V1 / V
    std::optional<double> hapaxPerToken; ///< V1 / N
    /// The mean, over every window of 100 consecutive forms, of the window's V / N.
    std::optional<double> mattr;
    /// The sum, over the N − mattrWindow + 1 windows of MATTR, of each window's V; 0 when N is
    /// below mattrWindow.
    std::int64_t windowDistinctSum = 0;
    /// The mean length of the stretches of text whose V / N stays above 0.72, read forwards
    /// and backwards.
    std::optional<double> mtld;
    /// The factors of MTLD counted reading forwards and backwards, the forms left at the end
    /// counting as a share of one; 0 when N is below mattrWindow.
    double mtldForwardFactors = 0;
    double mtldBackwardFactors = 0;

    friend bool operator==(const RichnessReport&, const RichnessReport&) = default;
};

/// Forms per window of the moving-average type/token ratio.
inline constexpr std::int64_t mattrWindow = 100;
/// The type/token ratio at which MTLD ends a factor.
inline constexpr double mtldThreshold = 0.72;

RichnessReport richnessReport(std::string_view text);
RichnessReport richnessReport(const TokenizedText& text);

} // namespace quorvelle
