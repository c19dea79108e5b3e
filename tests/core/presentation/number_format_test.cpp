// The general number conversion.
#include "core/presentation/number_format.h"

#include <gtest/gtest.h>

#include <limits>

namespace quorvelle {
namespace {

TEST(NumberFormat, WritesNumbersAsTheProgramShowsThem)
{
    // At most fifteen significant digits.
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
