// Streaming JSON output.
#include "cli/json_writer.h"

#include "core/presentation/number_format.h"
#include "core/text/encoding.h"

#include <algorithm>
#include <array>
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

JsonWriter& JsonWriter::raw(std::string_view json)
{
    beforeValue();
    out_ << json;
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
    // Each character is escaped on its own, so the string is written piece by piece from
    // a table made by nlohmann's own escaping: the same bytes, without building a value.
    // Most characters stand for themselves and are copied by runs.
    static const std::array<std::string, 256> pieces = [] {
        std::array<std::string, 256> table;
        for (std::size_t code = 0; code < table.size(); ++code) {
            const char byte = static_cast<char>(code);
            const std::string quoted = Json(cp1252ToUtf8(std::string_view(&byte, 1))).dump();
            table[code] = quoted.substr(1, quoted.size() - 2);
        }
        return table;
    }();
    const auto isVerbatim = [](char byte) {
        const std::string& piece = pieces[static_cast<unsigned char>(byte)];
        return piece.size() == 1 && piece[0] == byte;
    };
    std::string escaped;
    escaped.reserve(cp1252.size() + cp1252.size() / 8 + 2);
    escaped += '"';
    for (auto position = cp1252.begin(); position != cp1252.end();) {
        const auto runEnd = std::find_if_not(position, cp1252.end(), isVerbatim);
        escaped.append(position, runEnd);
        if (runEnd == cp1252.end())
            break;
        escaped += pieces[static_cast<unsigned char>(*runEnd)];
        position = runEnd + 1;
    }
    escaped += '"';
    beforeValue();
    out_ << escaped;
    return *this;
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
