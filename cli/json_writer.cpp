// Streaming JSON output.
#include "cli/json_writer.h"

#include "core/encoding.h"
#include "core/number_format.h"

#include <charconv>
#include <string>

namespace quorvelle::cli {

Json jsonNumber(double value)
{
    // Written at 15 significant digits and read back, so that the shortest form nlohmann
    // writes is the one the program shows (0.8, not 0.80000000000000004).
    const std::string shown = formatNumber(value, '.');
    double rounded = 0;
    std::from_chars(shown.data(), shown.data() + shown.size(), rounded);
    constexpr double integerLimit = 9007199254740992.0; // 2^53: every integer below is exact
    if (shown.find('.') == std::string::npos && rounded > -integerLimit && rounded < integerLimit)
        return static_cast<std::int64_t>(rounded);
    return rounded;
}

void JsonWriter::beforeValue()
{
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!hasElements_.empty()) {
        if (hasElements_.back())
            out_ << ',';
        hasElements_.back() = true;
    }
}

JsonWriter& JsonWriter::beginObject()
{
    beforeValue();
    out_ << '{';
    hasElements_.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::endObject()
{
    out_ << '}';
    hasElements_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::beginArray()
{
    beforeValue();
    out_ << '[';
    hasElements_.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::endArray()
{
    out_ << ']';
    hasElements_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name)
{
    beforeValue();
    out_ << Json(name).dump() << ':';
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::integer(std::int64_t value)
{
    beforeValue();
    out_ << value;
    return *this;
}

JsonWriter& JsonWriter::number(double value)
{
    return this->value(jsonNumber(value));
}

JsonWriter& JsonWriter::number(const std::optional<double>& value)
{
    return value ? number(*value) : this->value(nullptr);
}

JsonWriter& JsonWriter::text(std::string_view cp1252)
{
    return value(Json(cp1252ToUtf8(cp1252)));
}

JsonWriter& JsonWriter::value(const Json& json)
{
    beforeValue();
    out_ << json.dump();
    return *this;
}

JsonWriter& JsonWriter::textAndCount(std::string_view cp1252, std::int64_t count)
{
    return beginArray().text(cp1252).integer(count).endArray();
}

} // namespace quorvelle::cli
