// Half-even rounding.
#include "core/reports/rounding.h"

#include <cmath>

namespace quorvelle {
namespace {

double roundToEvenInteger(double value)
{
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction > 0.5)
        return floor + 1;
    if (fraction < 0.5)
        return floor;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

} // namespace

double roundHalfEven(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return roundToEvenInteger(value * scale) / scale;
}

std::optional<double> percentage(double part, double whole)
{
    if (whole == 0)
        return std::nullopt;
    return roundHalfEven(part / whole * 100, 2);
}

} // namespace quorvelle
