// Half-even rounding. The figures of the worked examples (1,2 for 5/4, 66,67, 33,33, 0,8) show
// in the exact output of quorvelle-cli.
#include "core/reports/rounding.h"

#include <gtest/gtest.h>

namespace quorvelle {
namespace {

TEST(Rounding, RoundsHalvesToEven)
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
}

} // namespace
} // namespace quorvelle
