// A report's table written from the catalogue's columns: as French text, CSV or JSON rows.
#pragma once

#include "cli/csv_writer.h"
#include "cli/french_text.h"
#include "cli/json_writer.h"
#include "core/catalogue/table_columns.h"

#include <array>
#include <cstddef>
#include <ostream>
#include <tuple>
#include <variant>
#include <span>
#include <string_view>
#include <vector>

namespace quorvelle::cli {

/// Writes a cell as the French text output does: texts in UTF-8, numbers with a decimal comma.
void writeTextCell(std::ostream& out, const Cell& cell);

/// Writes a cell as a JSON value.
void writeJsonCell(JsonWriter& json, const Cell& cell);

/// One row of the French text output: its cells separated by tabs, then extra cells.
template <class Row, class... Extra>
void writeTextRow(std::ostream& out, std::span<const Column<Row>> columns, const Row& row, std::size_t place,
                  const Extra&... extra)
{
    std::string_view separator;
    for (const Column<Row>& column : columns) {
        out << separator;
        writeTextCell(out, column.cell(row, place));
        separator = "\t";
    }
    ((out << '\t' << extra), ...);
    out << '\n';
}

/// The headings of the French text output's table, separated by tabs.
template <class Row>
void writeTextHeadings(std::ostream& out, std::span<const Column<Row>> columns)
{
    std::string_view separator;
    for (const Column<Row>& column : columns) {
        out << separator << column.heading;
        separator = "\t";
    }
    out << '\n';
}

/// The table as the French text output writes it: its headings, then its rows.
template <class Row, class Rows>
void writeTextTable(std::ostream& out, std::span<const Column<Row>> columns, const Rows& rows)
{
    writeTextHeadings(out, columns);
    for (std::size_t place = 0; place < rows.size(); ++place)
        writeTextRow(out, columns, rows[place], place);
}

/// Starts a CSV table headed by the columns, then extra headings.
template <class Row>
void beginCsvTable(CsvWriter& csv, const TableColumns<Row>& table, std::initializer_list<std::string_view> extra = {})
{
    std::vector<std::string_view> headings;
    for (const Column<Row>& column : table.columns)
        headings.push_back(column.heading);
    headings.insert(headings.end(), extra);
    csv.beginTable(table.title, headings);
}

/// One CSV row: the cells of the columns, then extra fields.
template <class Row, class... Extra>
void writeCsvRow(CsvWriter& csv, std::span<const Column<Row>> columns, const Row& row, std::size_t place,
                 const Extra&... extra)
{
    std::vector<Cell> cells;
    for (const Column<Row>& column : columns)
        cells.push_back(column.cell(row, place));
    csv.rowOfCells(cells, extra...);
}

/// The whole table as CSV.
template <class Row, class Rows>
void writeCsvTable(CsvWriter& csv, const TableColumns<Row>& table, const Rows& rows)
{
    beginCsvTable(csv, table);
    for (std::size_t place = 0; place < rows.size(); ++place)
        writeCsvRow(csv, table.columns, rows[place], place);
    csv.endTable();
}

/// The rows as a JSON array of arrays of cells.
template <class Row, class Rows>
void writeJsonRows(JsonWriter& json, std::span<const Column<Row>> columns, const Rows& rows)
{
    json.beginArray();
    for (std::size_t place = 0; place < rows.size(); ++place) {
        json.beginArray();
        for (const Column<Row>& column : columns)
            writeJsonCell(json, column.cell(rows[place], place));
        json.endArray();
    }
    json.endArray();
}

/// A figure's caption as a table's cell heads its row: without the colon it ends with in a listing.
inline std::string_view cellCaption(std::string_view caption)
{
    return caption.substr(0, caption.rfind(" :"));
}

/// No field after a figure's value.
struct NoExtraFields {
    template <class Figure>
    std::tuple<> operator()(const Figure&) const
    {
        return {};
    }
};

/// One CSV row per figure of the report: its caption, its value, then the fields extra gives for
/// the figure, as a tuple.
template <class Report, std::size_t Count, class Extra = NoExtraFields>
void writeCsvFigures(CsvWriter& csv, const std::array<Figure<Report>, Count>& figures, const Report& report,
                     Extra extra = {})
{
    for (const Figure<Report>& figure : figures)
        std::visit(
            [&](const auto& value) {
                std::apply([&](const auto&... fields) { csv.row(Utf8Field{cellCaption(figure.caption)}, value, fields...); },
                           extra(figure));
            },
            figure.value(report));
}

} // namespace quorvelle::cli
