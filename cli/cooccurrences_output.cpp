// The cooccurrences as their window shows them: the table, the listing of every row (the window
// lists one row at a time, on a click), then every cooccurrence in both orders.
#include "cli/cooccurrences_output.h"

#include "cli/form_list_json.h"
#include "cli/french_text.h"
#include "cli/table_output.h"
#include "core/presentation/french_messages.h"

#include <string>

namespace quorvelle::cli {

void StatisticWriters<CooccurrencesStatistic>::writeText(std::ostream& out, const CooccurrenceReport& report)
{
    writeTitle(out, CooccurrencesStatistic::info.title);
    writeTotal(out, french::formCountCaption, report.tokenCount);
    out << '\n';
    writeTextTable(out, CooccurrencesStatistic::table.columns, report.rows);
    for (const CooccurrenceRow& row : report.rows) {
        writeHeading(out, "Cooccurrences attestées " + std::to_string(row.count) + " fois");
        writeFormLines(out, report.pairsOf(row));
    }
    writeHeading(out, "Toutes les cooccurrences par ordre alphabétique");
    writeFormLines(out, report.pairs);
    writeHeading(out, "Toutes les cooccurrences par nombre d'attestations");
    writeFormLines(out, report.pairsByCount());
}

void StatisticWriters<CooccurrencesStatistic>::writeJson(JsonWriter& json, const CooccurrenceReport& report)
{
    json.beginObject().key("tokenCount").integer(report.tokenCount).key("pairs");
    writeJsonForms(json, report.pairs);
    json.key("rows");
    writeJsonRows(json, CooccurrencesStatistic::table.columns, report.rows);
    json.key("byCount");
    writeJsonForms(json, report.pairsByCount());
    json.endObject();
}

void StatisticWriters<CooccurrencesStatistic>::writeCsv(CsvWriter& csv, const CooccurrenceReport& report)
{
    writeCsvTable(csv, CooccurrencesStatistic::table, report.rows);
    csv.beginTable("Toutes les cooccurrences par ordre alphabétique", {"Cooccurrence", "Nombre d'attestations"});
    for (const FormCount& pair : report.pairs)
        csv.row(pair.form, pair.count);
    csv.endTable();
}

} // namespace quorvelle::cli
