// The streaming JSON writer's texts. Its numbers, nesting and commas show in the CLI's exact
// output.
#include "cli/json_writer.h"

#include "core/text/encoding.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace quorvelle::cli {
namespace {

TEST(JsonWriter, EveryByteIsConvertedAndEscapedAsNlohmannEscapesIt)
{
    std::string everyByte;
    for (int code = 0; code < 256; ++code)
        everyByte += static_cast<char>(code);
    std::ostringstream out;
    JsonWriter(out).text(everyByte);
    EXPECT_EQ(out.str(), Json(cp1252ToUtf8(everyByte)).dump());
}

} // namespace
} // namespace quorvelle::cli
