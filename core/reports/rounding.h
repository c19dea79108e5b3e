// The rounding the statistics apply to the figures of their reports.
#pragma once

#include <optional>

namespace quorvelle {

/// value rounded to decimals places: multiplied by 10^decimals in double precision,
/// rounded to the nearest integer with exact halves going to the even one, divided back.
/// 2.25 gives 2.2 and 2.75 gives 2.8 at one decimal; 3.125 gives 3.12 at two.
double roundHalfEven(double value, int decimals);

/// part / whole × 100 rounded to two decimals, or nothing when whole is 0.
std::optional<double> percentage(double part, double whole);

} // namespace quorvelle
