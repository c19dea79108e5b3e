// The lengths as their window shows them: the table, then the result-box listing of every row
// (the window lists one row at a time, on a click).
#include "cli/lengths_output.h"

#include "cli/form_list_json.h"
#include "cli/french_text.h"
#include "cli/table_output.h"
#include "core/presentation/french_messages.h"

#include <string>

namespace quorvelle::cli {

void StatisticWriters<LengthsStatistic>::writeText(std::ostream& out, const LengthReport& report)
{
    writeTitle(out, LengthsStatistic::info.title);
    writeTotal(out, french::totalFormsCaption, report.tokenCount);
    out << '\n';
    writeTextTable(out, LengthsStatistic::table.columns, report.rows);
    for (const LengthRow& row : report.rows) {
        out << "\nForme(s) de " << row.length << " caractère(s)\n";
        writeFormLines(out, row.forms, CountSpacing::TwoBlanks);
    }
}

void StatisticWriters<LengthsStatistic>::writeJson(JsonWriter& json, const LengthReport& report)
{
    json.beginObject().key("tokenCount").integer(report.tokenCount).key("rows");
    writeJsonRows(json, LengthsStatistic::table.columns, report.rows);
    json.key("forms").beginObject();
    for (const LengthRow& row : report.rows) {
        json.key(std::to_string(row.length));
        writeJsonForms(json, row.forms);
    }
    json.endObject().endObject();
}

void StatisticWriters<LengthsStatistic>::writeCsv(CsvWriter& csv, const LengthReport& report)
{
    writeCsvTable(csv, LengthsStatistic::table, report.rows);
    csv.beginTable("Formes par nombre de caractères",
                   {"Nombre caractères par forme", "Forme", "Nombre d'attestations"});
    for (const LengthRow& row : report.rows)
        for (const FormCount& form : row.forms)
            csv.row(row.length, form.form, form.count);
    csv.endTable();
}

} // namespace quorvelle::cli
