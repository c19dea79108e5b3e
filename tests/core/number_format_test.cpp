// Half-even rounding and the general number conversion.
#include "core/number_format.h"

#include <gtest/gtest.h>

#include <limits>

namespace quorvelle {
namespace {

struct RoundingCase {
    double value;
    int decimals;
    double expected;
};

class HalfEvenRounding : public testing::TestWithParam<RoundingCase> {};

TEST_P(HalfEvenRounding, GoesToTheEvenNeighbourOnExactHalves)
{
    EXPECT_EQ(roundHalfEven(GetParam().value, GetParam().decimals), GetParam().expected)
        << GetParam().value << " at " << GetParam().decimals;
}

INSTANTIATE_TEST_SUITE_P(Rounding, HalfEvenRounding, testing::Values(
    RoundingCase{9.0 / 4, 1, 2.2},
    RoundingCase{11.0 / 4, 1, 2.8},
    RoundingCase{5.0 / 4, 1, 1.2},
    RoundingCase{4.0 / 3, 1, 1.3},
    RoundingCase{3.125, 2, 3.12},
    RoundingCase{2.0 / 3 * 100, 2, 66.67},
    RoundingCase{1.0 / 3 * 100, 2, 33.33},
    RoundingCase{0.5, 0, 0},
    RoundingCase{1.5, 0, 2},
    RoundingCase{2.5, 0, 2},
    RoundingCase{-2.5, 0, -2},
    RoundingCase{-1.25, 1, -1.2},
    RoundingCase{12.0, 1, 12}
));

TEST(Percentage, IsNothingOverZero)
{
    EXPECT_EQ(percentage(1, 8), 12.5);
    EXPECT_EQ(percentage(1, 32), 3.12);
    EXPECT_EQ(percentage(2, 3), 66.67);
    EXPECT_FALSE(percentage(0, 0).has_value());
}

struct FormatCase {
    double value;
    const char* french;
};

class GeneralConversion : public testing::TestWithParam<FormatCase> {};

TEST_P(GeneralConversion, WritesAtMostFifteenSignificantDigits)
{
    EXPECT_EQ(formatNumber(GetParam().value, ','), GetParam().french);
}

INSTANTIATE_TEST_SUITE_P(Formatting, GeneralConversion, testing::Values(
    FormatCase{12.0, "12"},
    FormatCase{12.5, "12,5"},
    FormatCase{100, "100"},
    FormatCase{66.67, "66,67"},
    FormatCase{0.8, "0,8"},
    FormatCase{1 - 1.2, "-0,2"},
    FormatCase{1 - 2.3, "-1,3"},
    FormatCase{3 - 2.0, "1"},
    FormatCase{0.1 + 0.2, "0,3"},
    FormatCase{0, "0"},
    FormatCase{-0.0, "0"},
    FormatCase{1.0 / 3, "0,333333333333333"},
    FormatCase{0.000125, "0,000125"},
    FormatCase{123456789012345678.0, "123456789012346000"},
    FormatCase{2000000, "2000000"}
));

TEST(GeneralConversion, TakesTheSeparatorGiven)
{
    EXPECT_EQ(formatNumber(1.25, '.'), "1.25");
    EXPECT_EQ(formatNumber(std::numeric_limits<double>::quiet_NaN(), ','), "");
}

} // namespace
} // namespace quorvelle
