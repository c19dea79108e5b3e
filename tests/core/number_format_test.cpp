// Half-even rounding and the general number conversion.
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
        {9.0 / 4, 1, 2.2},
        {11.0 / 4, 1, 2.8},
        {5.0 / 4, 1, 1.2},
        {4.0 / 3, 1, 1.3},
        {3.125, 2, 3.12},
        {2.0 / 3 * 100, 2, 66.67},
        {1.0 / 3 * 100, 2, 33.33},
        {0.5, 0, 0},
        {1.5, 0, 2},
        {2.5, 0, 2},
        {-2.5, 0, -2},
        {-1.25, 1, -1.2},
        {12.0, 1, 12},
    };
    for (const auto& [value, decimals, expected] : cases)
        EXPECT_EQ(roundHalfEven(value, decimals), expected) << value << " at " << decimals;
    EXPECT_EQ(percentage(1, 32), 3.12);
    EXPECT_FALSE(percentage(0, 0).has_value());
    // The general conversion writes at most fifteen significant digits.
    const std::pair<double, const char*> shown[] = {
        {12.0, "12"},
        {12.5, "12,5"},
        {100, "100"},
        {66.67, "66,67"},
        {0.8, "0,8"},
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
