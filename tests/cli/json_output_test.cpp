// JSON numbers as the program writes them.
#include "cli/json_output.h"

#include <gtest/gtest.h>

namespace quorvelle::cli {
namespace {

TEST(JsonNumber, FifteenSignificantDigitsAndWholeValuesAsIntegers)
{
    const std::pair<double, const char*> cases[] = {
        {66.67, "66.67"}, {0.8, "0.8"}, {1 - 1.2, "-0.2"}, {50.0, "50"}, {100.0, "100"},
        {2 - 1.2, "0.8"}, {0.0, "0"}, {-0.0, "0"}, {1.0 / 3, "0.333333333333333"}, {3.12, "3.12"},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(jsonNumber(value).dump(), expected) << value;
}

TEST(JsonNumber, NoValueIsNull)
{
    EXPECT_EQ(jsonNumber(std::optional<double>{}).dump(), "null");
    EXPECT_EQ(jsonNumber(std::optional<double>{1.5}).dump(), "1.5");
}

TEST(JsonOutput, FormsAreWrittenAsUtf8)
{
    EXPECT_EQ(jsonFormCounts({{"\xE9t\xE9", 2}, {"\x1A", 1}}).dump(), "[[\"été\",2],[\"\\u001a\",1]]");
}

} // namespace
} // namespace quorvelle::cli
