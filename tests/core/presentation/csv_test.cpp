// CSV lines for French spreadsheets: ";" between fields, CR LF, quoting where needed.
#include "core/presentation/csv.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvelle {
namespace {

TEST(Csv, QuotesOnlyTheFieldsThatNeedIt)
{
    const std::vector<std::string> fields{"forme", "a;b", "dit \"oui\"", "x\r\ny", "0,8", ""};
    EXPECT_EQ(csvLine(fields), "forme;\"a;b\";\"dit \"\"oui\"\"\";\"x\r\ny\";0,8;\r\n");
}

} // namespace
} // namespace quorvelle
