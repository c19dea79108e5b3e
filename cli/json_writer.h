// A streaming JSON writer: reports of any size are written without building a tree.
#pragma once

#include "core/catalogue/figure.h"
#include "core/presentation/figure_value.h"

#include <nlohmann/json.hpp>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorvelle::cli {

using Json = nlohmann::ordered_json;

/// Writes one JSON document to a stream, element by element, placing the commas itself.
/// Strings go through nlohmann's escaping; texts of the program (code page 1252) are
/// converted to UTF-8 first. The elements are gathered in a buffer that goes to the stream
/// every few tens of kilobytes and whenever a value at the top level is complete: a listing
/// of a million small elements is not a million writes to the stream.
class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out)
        : out_(out)
    {
    }
    /// Writes what is left in the buffer: the part written of a document given up.
    ~JsonWriter();
    JsonWriter(const JsonWriter&) = delete;
    JsonWriter& operator=(const JsonWriter&) = delete;

    /// A member that the document's outermost object starts with, written when it opens: what
    /// holds for the whole report, said once at its top. name and value are ASCII.
    void startDocumentWith(std::string_view name, std::string_view value);

    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();

    /// The name of the next member of the current object.
    JsonWriter& key(std::string_view name);

    JsonWriter& integer(std::int64_t value);
    /// A rounded value or a deviation as the program shows it: at most 15 significant
    /// digits, written as an integer when whole (50, not 50.0).
    JsonWriter& number(double value);
    /// As number(), or null for a value the statistic cannot define.
    JsonWriter& number(const std::optional<double>& value);
    /// A figure as its format says: a count as an integer, a rounded value as number() writes
    /// it, a measure in full precision (see exactNumber).
    JsonWriter& figure(const FigureValue& value, FigureFormat format);
    /// A code page 1252 text, written as a UTF-8 JSON string.
    JsonWriter& text(std::string_view cp1252);
    /// Any small value built with nlohmann.
    JsonWriter& value(const Json& json);

    /// A value already written as JSON by another writer.
    JsonWriter& raw(std::string_view json);

    /// A member of the current object: its name, then its value as integer(), number() or
    /// text() writes it.
    JsonWriter& member(std::string_view name, std::int64_t value) { return key(name).integer(value); }
    JsonWriter& member(std::string_view name, double value) { return key(name).number(value); }
    JsonWriter& member(std::string_view name, const std::optional<double>& value) { return key(name).number(value); }
    JsonWriter& member(std::string_view name, std::string_view cp1252) { return key(name).text(cp1252); }

    /// [text, integer], the shape of every form listing line.
    JsonWriter& textAndCount(std::string_view cp1252, std::int64_t count);

private:
    void beforeValue();
    /// After a value: the buffer goes to the stream when the value is at the top level, or when
    /// the buffer is full.
    void afterValue();
    void flush();

    std::ostream& out_;
    std::string buffer_;
    std::vector<std::uint8_t> hasElements_; // one entry per open object or array: whether it has one
    std::optional<std::pair<std::string, std::string>> leadingMember_;
    bool afterKey_ = false;
};

/// Writes each figure of a report that the JSON names as a member of the current object.
template <class Report, std::size_t Count>
void writeFigureMembers(JsonWriter& json, const std::array<Figure<Report>, Count>& figures, const Report& report)
{
    for (const Figure<Report>& figure : figures)
        if (!figure.jsonKey.empty())
            json.key(figure.jsonKey).figure(figure.value(report), figure.format);
}

/// The JSON value number() writes, for callers that build small values with nlohmann.
Json jsonNumber(double value);

/// A measure in full precision (nlohmann writes the shortest text that reads back as the same
/// double), or null where the statistic cannot define it.
inline Json exactNumber(const std::optional<double>& value)
{
    return value ? Json(*value) : Json(nullptr);
}

} // namespace quorvelle::cli
