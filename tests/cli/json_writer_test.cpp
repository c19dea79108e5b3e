// The streaming JSON writer: commas, numbers as the program writes them, UTF-8 texts.
#include "cli/json_writer.h"

#include "core/encoding.h"

#include <gtest/gtest.h>

#include <sstream>

namespace quorvelle::cli {
namespace {

template <typename Write>
std::string written(Write write)
{
    std::ostringstream out;
    JsonWriter json(out);
    write(json);
    return out.str();
}

TEST(JsonWriter, PlacesCommasInNestedObjectsAndArrays)
{
    EXPECT_EQ(written([](JsonWriter& json) {
                  json.beginObject().key("a").integer(1).key("b").beginArray();
                  json.beginArray().endArray().integer(2).beginObject().endObject();
                  json.endArray().key("c").value(nullptr).endObject();
              }),
              "{\"a\":1,\"b\":[[],2,{}],\"c\":null}");
    EXPECT_EQ(written([](JsonWriter& json) { json.beginArray().endArray(); }), "[]");
}

TEST(JsonWriter, NumbersHaveFifteenSignificantDigitsAndWholeValuesAreIntegers)
{
    const std::pair<double, const char*> cases[] = {
        {66.67, "66.67"}, {0.8, "0.8"}, {1 - 1.2, "-0.2"}, {50.0, "50"}, {100.0, "100"},
        {2 - 1.2, "0.8"}, {0.0, "0"}, {-0.0, "0"}, {1.0 / 3, "0.333333333333333"}, {3.12, "3.12"},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(written([value](JsonWriter& json) { json.number(value); }), expected) << value;
    EXPECT_EQ(written([](JsonWriter& json) { json.number(std::optional<double>{}); }), "null");
}

TEST(JsonWriter, TextsAreConvertedToUtf8AndEscaped)
{
    EXPECT_EQ(written([](JsonWriter& json) {
                  json.beginArray().textAndCount("\xE9t\xE9", 2).text("\x1A\"\\").text("\x92\x80").endArray();
              }),
              "[[\"été\",2],\"\\u001a\\\"\\\\\",\"’€\"]");
}

TEST(JsonWriter, EveryByteIsEscapedAsNlohmannEscapesIt)
{
    std::string everyByte;
    for (int code = 0; code < 256; ++code)
        everyByte += static_cast<char>(code);
    EXPECT_EQ(written([&](JsonWriter& json) { json.text(everyByte); }), Json(cp1252ToUtf8(everyByte)).dump());
}

} // namespace
} // namespace quorvelle::cli
