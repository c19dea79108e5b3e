// The logarithms and exponential of the statistics, computed by this program rather than by the
// system's mathematical library: each system's library rounds some results to the other
// neighbouring double, and the same text must give the same figures, to the last digit, on
// Linux and on Windows. Only additions, multiplications, divisions and exact scalings by
// powers of two are used, each rounded as IEEE 754 prescribes on every system.
#pragma once

#include <cstdint>

namespace quorvelle::portable {

/// ln x, within one unit in the last place: -inf at 0, NaN below.
double log(double x);

/// e^x, within one unit in the last place.
double exp(double x);

/// log2 x, exact for powers of two.
double log2(double x);

/// ln n!, for n from 0.
double logFactorial(std::int64_t n);

} // namespace quorvelle::portable
