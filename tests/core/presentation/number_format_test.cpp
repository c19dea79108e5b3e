// Half-even rounding and the general number conversion. The figures of the worked examples
// (1,2 for 5/4, 66,67, 33,33, 0,8) show in the exact output of quorvelle-cli.
#include "core/presentation/number_format.h"

#include <gtest/gtest.h>

#include <limits>

namespace quorvelle {
namespace {

TEST(NumberFormat, RoundsHalvesToEvenAndWritesNumbersAsTheProgramShowsThem)
{
    const struct {
        double value;
        int decimals;
        double expected;
    } cases[] = {
        {9.0 / 4, 1, 2.2}, {11.0 / 4, 1, 2.8}, {3.125, 2, 3.12}, {0.5, 0, 0},   {1.5, 0, 2},
        {2.5, 0, 2},       {-2.5, 0, -2},      {-1.25, 1, -1.2}, {12.0, 1, 12},
    };
    for (const auto& [value, decimals, expected] : cases)
        EXPECT_EQ(roundHalfEven(value, decimals), expected) << value << " at " << decimals;
    EXPECT_FALSE(percentage(0, 0).has_value());
    // The general conversion writes at most fifteen significant digits.
    const std::pair<double, const char*> shown[] = {
        {12.0, "12"},
        {12.5, "12,5"},
        {1 - 1.2, "-0,2"},
        {1 - 2.3, "-1,3"},
        {3 - 2.0, "1"},
        {0.1 + 0.2, "0,3"},
        {0, "0"},
        {-0.0, "0"},
        {1.0 / 3, "0,333333333333333"},
        {0.000125, "0,000125"},
        {123456789012345678.0, "123456789012346000"},
        {2000000, "2000000"},
    };
    for (const auto& [value, french] : shown)
        EXPECT_EQ(formatNumber(value, ','), french) << value;
    EXPECT_EQ(formatNumber(1.25, '.'), "1.25");
    EXPECT_EQ(formatNumber(std::numeric_limits<double>::quiet_NaN(), ','), "");
}

} // namespace
} // namespace quorvelle
