// The portable logarithms and exponential against the long double functions of the system,
// whose error lies far below a double's last place; the results that must be exact.
#include "core/reports/portable_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace quorvelle {
namespace {

// |value - reference| in units of the last place of value.
long double ulpsFrom(double value, long double reference)
{
    const double ulp = std::nextafter(std::fabs(value), std::numeric_limits<double>::infinity()) - std::fabs(value);
    return std::fabs(static_cast<long double>(value) - reference) / ulp;
}

TEST(PortableMath, LogarithmsAndExponentialAreWithinOneUlp)
{
    // Every binade from subnormal numbers to the largest doubles, a few mantissas in each,
    // and the neighbourhood of 1, where fdlibm changes its formula.
    for (double x = 0x1p-1060; x < 1e308; x *= 1.37) {
        EXPECT_LE(ulpsFrom(portable::log(x), std::log(static_cast<long double>(x))), 1) << x;
        EXPECT_LE(ulpsFrom(portable::log2(x), std::log2(static_cast<long double>(x))), 1) << x;
    }
    for (double f = 0x1p-40; f < 0.5; f *= 1.9) {
        for (const double x : {1 + f, 1 - f})
            EXPECT_LE(ulpsFrom(portable::log(x), std::log(static_cast<long double>(x))), 1) << x;
    }
    for (double x = -745; x < 709.7; x += 0.731) {
        EXPECT_LE(ulpsFrom(portable::exp(x), std::exp(static_cast<long double>(x))), 1) << x;
        EXPECT_LE(ulpsFrom(portable::exp(x / 1000), std::exp(static_cast<long double>(x / 1000))), 1) << x;
    }
}

TEST(PortableMath, ExactValuesAndLimitsAreThoseOfTheSystem)
{
    EXPECT_EQ(portable::log(1), 0);
    EXPECT_EQ(portable::exp(0), 1);
    for (int exponent = -1074; exponent <= 1023; ++exponent)
        EXPECT_EQ(portable::log2(std::ldexp(1.0, exponent)), exponent);
    EXPECT_EQ(portable::log(0), -std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(portable::log(-1)));
    EXPECT_EQ(portable::log(std::numeric_limits<double>::infinity()), std::numeric_limits<double>::infinity());
    EXPECT_EQ(portable::exp(-746), 0);
    EXPECT_EQ(portable::exp(710), std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(portable::exp(std::numeric_limits<double>::quiet_NaN())));
}

TEST(PortableMath, LogFactorialIsWithinTwoUlpsOnEitherSideOfStirling)
{
    EXPECT_EQ(portable::logFactorial(0), 0);
    EXPECT_EQ(portable::logFactorial(1), 0);
    for (std::int64_t n = 2; n < 100; ++n)
        EXPECT_LE(ulpsFrom(portable::logFactorial(n), std::lgamma(static_cast<long double>(n + 1))), 2) << n;
    for (std::int64_t n = 100; n < 10'000'000'000; n = n * 3 + 1)
        EXPECT_LE(ulpsFrom(portable::logFactorial(n), std::lgamma(static_cast<long double>(n + 1))), 2) << n;
}

} // namespace
} // namespace quorvelle
