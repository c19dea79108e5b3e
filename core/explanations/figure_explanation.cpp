// Writing explanations.
#include "core/explanations/figure_explanation.h"

#include "core/presentation/french_typography.h"
#include "core/presentation/number_format.h"
#include "core/reports/rounding.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace quorvelle {
namespace {

constexpr int exactDecimals = 4;
constexpr int exactSignificantDigits = 6;

std::string_view decimalsInWords(int decimals)
{
    switch (decimals) {
    case 0:
        return "à l'unité";
    case 1:
        return "à une décimale";
    case 2:
        return "à deux décimales";
    case 3:
        return "à trois décimales";
    default:
        return "à quatre décimales";
    }
}

// "à quatre chiffres significatifs": figures are shown to two to six.
std::string significantDigitsInWords(int digits)
{
    constexpr std::array<std::string_view, 5> words = {"deux", "trois", "quatre", "cinq", "six"};
    return "à " + std::string(words.at(static_cast<std::size_t>(digits - 2))) + " chiffres significatifs";
}

// How many final zeros formatNumber left out of written, a value rounded to digits significant
// digits: at four, one of 0,765 (0,7650) and of 800 (800,0), three of 0,02 (0,02000); none of
// 153800, whose zeros are written.
std::size_t droppedZeros(std::string_view written, int digits)
{
    std::string significant;
    for (const char c : written)
        if (c >= '0' && c <= '9' && (c != '0' || !significant.empty()))
            significant += c;
    const auto wanted = static_cast<std::size_t>(digits);
    if (significant.empty() || significant.size() >= wanted)
        return 0;
    return wanted - significant.size();
}

} // namespace

std::string ExplanationNumbers::counted(std::int64_t value, std::string_view singular, std::string_view plural)
{
    return count(value) + " " + std::string(agreedNoun(static_cast<double>(value), singular, plural));
}

std::string_view agreedNoun(double amount, std::string_view singular, std::string_view plural)
{
    return std::abs(amount) < 2 ? singular : plural;
}

std::string ExplanationNumbers::shown(double value) const
{
    return formatNumber(value, separator_);
}

std::string ExplanationNumbers::exact(double value) const
{
    return cutAt(value, exactDecimals);
}

std::string ExplanationNumbers::significant(double value) const
{
    if (value == 0 || !std::isfinite(value))
        return shown(value);
    const int magnitude = static_cast<int>(std::floor(std::log10(std::abs(value))));
    return cutAt(value, std::max(0, exactSignificantDigits - 1 - magnitude));
}

std::string ExplanationNumbers::cutAt(double value, int decimals) const
{
    const double scale = std::pow(10.0, decimals);
    const double cut = std::trunc(value * scale) / scale;
    // Exact when it is within the error of a double of a whole number of those decimals: 13,3 is,
    // 2243,87011… is not.
    if (std::abs(value * scale - std::round(value * scale)) < 1e-12 * std::max(1.0, std::abs(value * scale)))
        return formatNumber(std::round(value * scale) / scale, separator_);
    // The decimals written out, trailing zeros included: 2,1040… is not 2,104.
    char digits[64];
    std::snprintf(digits, sizeof digits, "%.*f", decimals, cut);
    std::string written(digits);
    std::replace(written.begin(), written.end(), '.', separator_);
    return written + "…";
}

std::string ExplanationNumbers::roundingStep(double value, int decimals) const
{
    const double scaled = value * std::pow(10.0, decimals);
    const bool half = std::abs(scaled - std::floor(scaled) - 0.5) < 1e-9;
    std::string step = "arrondi " + std::string(decimalsInWords(decimals));
    if (half)
        step += " (le nombre tombe au milieu : vers le chiffre pair)";
    return step + " : " + shown(roundHalfEven(value, decimals));
}

std::string ExplanationNumbers::significantRoundingStep(double value, int digits) const
{
    const std::string rounded = shown(roundSignificant(value, digits));
    const std::string step = "arrondi " + significantDigitsInWords(digits) + " : ";
    const std::size_t zeros = droppedZeros(rounded, digits);
    if (zeros == 0)
        return step + rounded;
    // The digits the rounding gives, then the number as the figure is written.
    const bool whole = rounded.find(separator_) == std::string::npos;
    const std::string allDigits = rounded + (whole ? std::string(1, separator_) : "") + std::string(zeros, '0');
    return step + allDigits + ", écrit sans " + (zeros == 1 ? "son zéro inutile" : "ses zéros inutiles") + " : "
        + rounded;
}

std::string explanationText(const FigureExplanation& explanation)
{
    std::string text = explanation.figure + "\n";
    text += explanation.inWords + "\n";
    text += "Formule : " + explanation.formula + "\n";
    for (const std::string& step : explanation.steps)
        text += step + "\n";
    text += "Valeur affichée : " + explanation.shown + "\n";
    return withFrenchSpacing(text);
}

} // namespace quorvelle
