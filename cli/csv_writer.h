// Tables written as CSV, in the form the desktop program exports them.
#pragma once

#include "core/catalogue/table_columns.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace quorvelle::cli {

/// A text of the program itself (a caption, a formula), already in UTF-8, in a row.
struct Utf8Field {
    std::string_view text;
};

/// Writes a statistic's tables to a stream: each table is its title on a line of its own,
/// its headings, then its rows, and an empty line ends it. Fields are separated by ";",
/// lines end with CR LF, and a field holding ";", a quote or a line end is quoted. The
/// byte-order mark that opens a CSV file is the caller's, written once per file.
class CsvWriter {
public:
    explicit CsvWriter(std::ostream& out)
        : out_(out)
    {
    }

    /// Starts a table; title and headings are in UTF-8.
    void beginTable(std::string_view title, std::span<const std::string_view> headings);
    void beginTable(std::string_view title, std::initializer_list<std::string_view> headings)
    {
        beginTable(title, std::span(headings.begin(), headings.size()));
    }

    /// One row of the current table. Texts are the report's own (code page 1252), unless
    /// wrapped in Utf8Field; numbers are written as the program shows them (12,5).
    template <typename... Fields>
    void row(const Fields&... fields)
    {
        fields_.clear();
        (fields_.push_back(field(fields)), ...);
        writeLine();
    }

    /// One row of the current table: the cells of a catalogue table, then extra fields.
    template <typename... Extra>
    void rowOfCells(std::span<const Cell> cells, const Extra&... extra)
    {
        fields_.clear();
        for (const Cell& cell : cells)
            fields_.push_back(std::visit([](const auto& value) { return field(value); }, cell));
        (fields_.push_back(field(extra)), ...);
        writeLine();
    }

    /// Ends the current table with an empty line.
    void endTable();

private:
    static std::string field(std::string_view cp1252);
    static std::string field(Utf8Field utf8) { return std::string(utf8.text); }
    static std::string field(std::int64_t number) { return std::to_string(number); }
    static std::string field(double number) { return field(std::optional<double>(number)); }
    static std::string field(const std::optional<double>& number);
    static std::string field(char) = delete; // a letter is a text: pass a string_view
    void writeLine();

    std::ostream& out_;
    std::vector<std::string> fields_;
};

} // namespace quorvelle::cli
