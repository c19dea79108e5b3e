// Streaming JSON output.
#include "cli/json_writer.h"

#include "core/presentation/number_format.h"
#include "core/text/encoding.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string>

namespace quorvelle::cli {
namespace {

/// What the buffer holds before it goes to the stream.
constexpr std::size_t bufferBytes = std::size_t{64} << 10;

/// A name that JSON writes as it is, between quotes: printable ASCII, no quote or backslash.
bool isPlainName(std::string_view name)
{
    return std::ranges::all_of(name, [](char c) { return c >= ' ' && c <= '~' && c != '"' && c != '\\'; });
}

} // namespace

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

JsonWriter::~JsonWriter()
{
    try {
        flush();
    } catch (...) {
        // A stream that throws has said its failure already.
    }
}

void JsonWriter::flush()
{
    out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    buffer_.clear();
}

void JsonWriter::beforeValue()
{
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!hasElements_.empty()) {
        if (hasElements_.back())
            buffer_ += ',';
        hasElements_.back() = true;
    }
}

void JsonWriter::afterValue()
{
    if (hasElements_.empty() || buffer_.size() >= bufferBytes)
        flush();
}

void JsonWriter::startDocumentWith(std::string_view name, std::string_view value)
{
    leadingMember_.emplace(name, value);
}

JsonWriter& JsonWriter::beginObject()
{
    const bool outermost = hasElements_.empty();
    beforeValue();
    buffer_ += '{';
    hasElements_.push_back(false);
    if (outermost && leadingMember_) {
        member(leadingMember_->first, leadingMember_->second);
        leadingMember_.reset();
    }
    return *this;
}

JsonWriter& JsonWriter::endObject()
{
    buffer_ += '}';
    hasElements_.pop_back();
    afterValue();
    return *this;
}

JsonWriter& JsonWriter::beginArray()
{
    beforeValue();
    buffer_ += '[';
    hasElements_.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::endArray()
{
    buffer_ += ']';
    hasElements_.pop_back();
    afterValue();
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name)
{
    beforeValue();
    if (isPlainName(name))
        buffer_.append(1, '"').append(name).append("\":");
    else
        buffer_.append(Json(name).dump()).append(1, ':');
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::raw(std::string_view json)
{
    beforeValue();
    buffer_ += json;
    afterValue();
    return *this;
}

JsonWriter& JsonWriter::integer(std::int64_t value)
{
    beforeValue();
    std::array<char, 24> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    buffer_.append(digits.data(), end);
    afterValue();
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

JsonWriter& JsonWriter::figure(const FigureValue& value, FigureFormat format)
{
    if (const auto* count = std::get_if<std::int64_t>(&value))
        return integer(*count);
    const std::optional<double>& number = std::get<std::optional<double>>(value);
    return format == FigureFormat::Measure ? this->value(exactNumber(number)) : this->number(number);
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
    static const std::array<bool, 256> verbatim = [] {
        std::array<bool, 256> table{};
        for (std::size_t code = 0; code < table.size(); ++code)
            table[code] = pieces[code].size() == 1 && pieces[code][0] == static_cast<char>(code);
        return table;
    }();
    const auto isVerbatim = [](char byte) { return verbatim[static_cast<unsigned char>(byte)]; };
    beforeValue();
    buffer_ += '"';
    for (auto position = cp1252.begin(); position != cp1252.end();) {
        const auto runEnd = std::find_if_not(position, cp1252.end(), isVerbatim);
        buffer_.append(position, runEnd);
        if (runEnd == cp1252.end())
            break;
        buffer_ += pieces[static_cast<unsigned char>(*runEnd)];
        position = runEnd + 1;
    }
    buffer_ += '"';
    afterValue();
    return *this;
}

JsonWriter& JsonWriter::value(const Json& json)
{
    beforeValue();
    buffer_ += json.dump();
    afterValue();
    return *this;
}

JsonWriter& JsonWriter::textAndCount(std::string_view cp1252, std::int64_t count)
{
    return beginArray().text(cp1252).integer(count).endArray();
}

} // namespace quorvelle::cli
