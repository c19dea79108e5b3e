// Rounding and writing numbers as the program shows them.
#pragma once

#include <string>
#include <string_view>

namespace quorvelle {

/// The general conversion of a number to text: at most 15 significant digits, plain
/// positional notation, no trailing zeros, no separator for a whole value, and the given
/// decimal separator (12,5 and 100 under French settings). Not-a-number and infinities,
/// which no statistic produces, give the empty string.
std::string formatNumber(double value, char decimalSeparator);

/// The significant digits the measures are written with
/// (richness, the line of Zipf's law): 643,8 and 0,01235.
inline constexpr int measureSignificantDigits = 4;

/// How a measure the text leaves undefined is shown (UTF-8): an em dash.
inline constexpr std::string_view undefinedMeasure = "—";

/// value rounded to `digits` significant digits, then written as formatNumber does:
/// 643.7752 gives 643,8 and 0.0123456 gives 0,01235 at four digits, 12345.6 gives 12350.
double roundSignificant(double value, int digits);

} // namespace quorvelle
