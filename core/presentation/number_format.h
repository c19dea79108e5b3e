// Rounding and writing numbers as the program shows them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvelle {

/// value rounded to decimals places: multiplied by 10^decimals in double precision,
/// rounded to the nearest integer with exact halves going to the even one, divided back.
/// 2.25 gives 2.2 and 2.75 gives 2.8 at one decimal; 3.125 gives 3.12 at two.
double roundHalfEven(double value, int decimals);

/// part / whole × 100 rounded to two decimals, or nothing when whole is 0.
std::optional<double> percentage(double part, double whole);

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
