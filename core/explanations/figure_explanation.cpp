// Writing explanations.
#include "core/explanations/figure_explanation.h"

#include "core/presentation/number_format.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace quorvelle {
namespace {

constexpr int exactDecimals = 4;

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

} // namespace

std::string ExplanationNumbers::shown(double value) const
{
    return formatNumber(value, separator_);
}

std::string ExplanationNumbers::exact(double value) const
{
    const double scale = std::pow(10.0, exactDecimals);
    const double cut = std::trunc(value * scale) / scale;
    if (std::abs(value * scale - std::round(value * scale)) < 1e-6 * std::max(1.0, std::abs(value * scale)))
        return formatNumber(std::round(value * scale) / scale, separator_);
    // Four decimals written out, trailing zeros included: 2,1040… is not 2,104.
    char digits[64];
    std::snprintf(digits, sizeof digits, "%.*f", exactDecimals, cut);
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

std::string explanationText(const FigureExplanation& explanation)
{
    std::string text = explanation.figure + "\n";
    text += explanation.inWords + "\n";
    text += "Formule : " + explanation.formula + "\n";
    for (const std::string& step : explanation.steps)
        text += step + "\n";
    text += "Valeur affichée : " + explanation.shown + "\n";
    return text;
}

} // namespace quorvelle
