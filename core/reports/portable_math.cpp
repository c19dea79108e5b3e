// The logarithm and the exponential follow the algorithms of Sun's fdlibm (e_log.c, e_exp.c):
// an argument reduced by powers of two, then a minimax polynomial whose coefficients are
// those of fdlibm.
#include "core/reports/portable_math.h"

#include <array>
#include <bit>
#include <cmath>
#include <limits>
#include <numbers>

namespace quorvelle::portable {
namespace {

// ln 2 in two parts: the first has trailing zeros, so that k × high is exact for every exponent k.
constexpr double ln2High = 6.93147180369123816490e-01;
constexpr double ln2Low = 1.90821492927058770002e-10;

std::uint32_t highWord(double x)
{
    return static_cast<std::uint32_t>(std::bit_cast<std::uint64_t>(x) >> 32);
}

double withHighWord(double x, std::uint32_t high)
{
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
    return std::bit_cast<double>((static_cast<std::uint64_t>(high) << 32) | (bits & 0xffffffffU));
}

// ln(1 + f) for 1 + f in [sqrt(2)/2, sqrt(2)], plus k ln 2. hx: the 20 high bits of the
// mantissa of x before normalisation, which place f in one of fdlibm's intervals.
double logOfReduced(double f, int k, std::uint32_t hx)
{
    constexpr double lg1 = 6.666666666666735130e-01;
    constexpr double lg2 = 3.999999999940941908e-01;
    constexpr double lg3 = 2.857142874366239149e-01;
    constexpr double lg4 = 2.222219843214978396e-01;
    constexpr double lg5 = 1.818357216161805012e-01;
    constexpr double lg6 = 1.531383769920937332e-01;
    constexpr double lg7 = 1.479819860511658591e-01;
    const double dk = k;
    if ((0x000fffffU & (2 + hx)) < 3) { // |f| < 2^-20
        if (f == 0)
            return k == 0 ? 0.0 : dk * ln2High + dk * ln2Low;
        const double r = f * f * (0.5 - 0.33333333333333333 * f);
        return k == 0 ? f - r : dk * ln2High - ((r - dk * ln2Low) - f);
    }
    const double s = f / (2.0 + f);
    const double z = s * s;
    const double w = z * z;
    const double t1 = w * (lg2 + w * (lg4 + w * lg6));
    const double t2 = z * (lg1 + w * (lg3 + w * (lg5 + w * lg7)));
    const double r = t2 + t1;
    const bool farFromOne = (static_cast<std::int32_t>(hx - 0x6147a) | static_cast<std::int32_t>(0x6b851 - hx)) > 0;
    if (farFromOne) {
        const double halfSquare = 0.5 * f * f;
        return k == 0 ? f - (halfSquare - s * (halfSquare + r))
                      : dk * ln2High - ((halfSquare - (s * (halfSquare + r) + dk * ln2Low)) - f);
    }
    return k == 0 ? f - s * (f - r) : dk * ln2High - ((s * (f - r) - dk * ln2Low) - f);
}

// n! for n up to 22, each exact in a double (its odd part stays below 2^53).
constexpr std::int64_t exactFactorials = 23;
constexpr std::array<double, exactFactorials> factorials = [] {
    std::array<double, exactFactorials> result{1.0};
    for (std::size_t n = 1; n < result.size(); ++n)
        result[n] = result[n - 1] * static_cast<double>(n);
    return result;
}();

} // namespace

double log(double x)
{
    if (std::isnan(x) || x < 0)
        return std::numeric_limits<double>::quiet_NaN();
    if (x == 0)
        return -std::numeric_limits<double>::infinity();
    if (std::isinf(x))
        return x;
    int k = 0;
    if (x < std::numeric_limits<double>::min()) { // subnormal: scaled up to a normal number
        k = -54;
        x *= 0x1p54;
    }
    std::uint32_t hx = highWord(x);
    k += static_cast<int>(hx >> 20) - 1023;
    hx &= 0x000fffffU;
    // x normalised into [1, 2), or into [0.5, 1) when its mantissa exceeds sqrt(2).
    const std::uint32_t halve = (hx + 0x95f64U) & 0x100000U;
    x = withHighWord(x, hx | (halve ^ 0x3ff00000U));
    k += static_cast<int>(halve >> 20);
    return logOfReduced(x - 1.0, k, hx);
}

double exp(double x)
{
    constexpr double overflowThreshold = 7.09782712893383973096e+02;
    constexpr double underflowThreshold = -7.45133219101941108420e+02;
    constexpr double p1 = 1.66666666666666019037e-01;
    constexpr double p2 = -2.77777777770155933842e-03;
    constexpr double p3 = 6.61375632143793436117e-05;
    constexpr double p4 = -1.65339022054652515390e-06;
    constexpr double p5 = 4.13813679705723846039e-08;
    if (std::isnan(x))
        return x;
    if (x > overflowThreshold)
        return std::numeric_limits<double>::infinity();
    if (x < underflowThreshold)
        return 0;
    const double magnitude = std::fabs(x);
    if (magnitude < 0x1p-28)
        return 1 + x;
    // x = k ln 2 + r, |r| <= ln 2 / 2, r kept as high - low.
    int k = 0;
    double high = x;
    double low = 0;
    if (magnitude > 0.5 * std::numbers::ln2) {
        k = static_cast<int>(std::numbers::log2e * x + (x < 0 ? -0.5 : 0.5));
        high = x - k * ln2High;
        low = k * ln2Low;
        x = high - low;
    }
    const double t = x * x;
    const double c = x - t * (p1 + t * (p2 + t * (p3 + t * (p4 + t * p5))));
    if (k == 0)
        return 1 - ((x * c) / (c - 2.0) - x);
    return std::ldexp(1 - ((low - (x * c) / (2.0 - c)) - high), k);
}

double log2(double x)
{
    if (!(x > 0) || std::isinf(x))
        return log(x);
    int exponent = 0;
    double mantissa = std::frexp(x, &exponent); // exact: x = mantissa 2^exponent, mantissa in [0.5, 1)
    if (mantissa < std::numbers::sqrt2 / 2) {
        mantissa *= 2;
        --exponent;
    }
    return exponent + log(mantissa) / std::numbers::ln2;
}

double logFactorial(std::int64_t n)
{
    if (n < exactFactorials)
        return log(factorials[static_cast<std::size_t>(n)]);
    // Stirling's series of ln Γ(x), x = n + 1 >= 24: its terms from 1 / (1188 x^9) on fall
    // below the last place of the result.
    const double x = static_cast<double>(n) + 1;
    const double inverse = 1 / x;
    const double square = inverse * inverse;
    const double series = inverse * (1.0 / 12 - square * (1.0 / 360 - square * (1.0 / 1260 - square / 1680)));
    constexpr double halfLog2Pi = 0.91893853320467274178;
    return (x - 0.5) * log(x) - x + halfLog2Pi + series;
}

} // namespace quorvelle::portable
