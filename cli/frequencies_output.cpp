// The frequencies as their window shows them: the totals, the table, then the result-box listing
// of every row (the window lists one row at a time, on a click).
#include "cli/frequencies_output.h"

#include "cli/french_text.h"
#include "cli/table_output.h"

#include <string>

namespace quorvelle::cli {

void StatisticWriters<FrequenciesStatistic>::writeText(std::ostream& out, const FrequencyReport& report)
{
    writeTitle(out, FrequenciesStatistic::info.title);
    writeFigures(out, FrequenciesStatistic::figures, report);
    out << '\n';
    writeTextTable(out, FrequenciesStatistic::table.columns, report.rows);
    for (const FrequencyRow& row : report.rows) {
        writeHeading(out, "Forme(s) attestée(s) " + std::to_string(row.frequency) + " fois");
        ResultListing listing(terminalLineEnd);
        for (const FormCount& form : report.formsOf(row))
            listing.addForm(form.form);
        writeListing(out, listing);
    }
}

void StatisticWriters<FrequenciesStatistic>::writeJson(JsonWriter& json, const FrequencyReport& report)
{
    json.beginObject();
    writeFigureMembers(json, FrequenciesStatistic::figures, report);
    json.key("rows");
    writeJsonRows(json, FrequenciesStatistic::table.columns, report.rows);
    json.key("forms").beginObject();
    for (const FrequencyRow& row : report.rows) {
        json.key(std::to_string(row.frequency)).beginArray();
        for (const FormCount& form : report.formsOf(row))
            json.text(form.form);
        json.endArray();
    }
    json.endObject().endObject();
}

void StatisticWriters<FrequenciesStatistic>::writeCsv(CsvWriter& csv, const FrequencyReport& report)
{
    writeCsvTable(csv, FrequenciesStatistic::table, report.rows);
    csv.beginTable("Formes par fréquence d'attestation", {FrequenciesStatistic::table.columns[0].heading, "Forme"});
    for (const FrequencyRow& row : report.rows)
        for (const FormCount& form : report.formsOf(row))
            csv.row(row.frequency, form.form);
    csv.endTable();
}

} // namespace quorvelle::cli
