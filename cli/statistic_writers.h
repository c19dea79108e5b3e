// The writers of a statistic: the text, JSON and CSV of its report.
#pragma once

#include "cli/csv_writer.h"
#include "cli/french_text.h"
#include "cli/json_writer.h"
#include "cli/table_output.h"

#include <ostream>

namespace quorvelle::cli {

/// How quorvelle-cli writes the report of Statistic, a statistic of the register. A statistic
/// whose output has a shape of its own specializes it in its output file with three static
/// functions, writeText(std::ostream&, const Report&), writeJson(JsonWriter&, const Report&) and
/// writeCsv(CsvWriter&, const Report&). Any other is written as its descriptor describes it: its
/// title, its figures and its table, whose rows the descriptor gives as rows(report); a
/// statistic with neither writers nor rows does not compile.
template <class Statistic>
struct StatisticWriters {
    /// The title, each figure after its caption, then the table under its headings.
    template <class Report>
    static void writeText(std::ostream& out, const Report& report)
    {
        writeTitle(out, Statistic::info.title);
        if constexpr (requires { Statistic::figures; }) {
            writeFigures(out, Statistic::figures, report);
            out << '\n';
        }
        writeTextTable(out, Statistic::table.columns, Statistic::rows(report));
    }

    /// One object: each figure under its JSON key, then "rows", the table's rows as arrays.
    template <class Report>
    static void writeJson(JsonWriter& json, const Report& report)
    {
        json.beginObject();
        if constexpr (requires { Statistic::figures; })
            writeFigureMembers(json, Statistic::figures, report);
        json.key("rows");
        writeJsonRows(json, Statistic::table.columns, Statistic::rows(report));
        json.endObject();
    }

    /// The figures with their values under the title, then the table.
    template <class Report>
    static void writeCsv(CsvWriter& csv, const Report& report)
    {
        if constexpr (requires { Statistic::figures; }) {
            csv.beginTable(Statistic::info.title, {"Mesure", "Valeur"});
            writeCsvFigures(csv, Statistic::figures, report);
            csv.endTable();
        }
        writeCsvTable(csv, Statistic::table, Statistic::rows(report));
    }
};

} // namespace quorvelle::cli
