// The forms per key as their windows show them: the table of each key, then the result-box
// listing of every row (the windows list one row at a time, on a click).
#include "cli/key_distribution_output.h"

#include "cli/form_list_json.h"
#include "cli/french_text.h"
#include "cli/table_output.h"
#include "core/statistics/letters_statistic.h"
#include "core/text/encoding.h"

#include <string>
#include <vector>

namespace quorvelle::cli {

void writeDistributionText(std::ostream& out, const KeyDistribution& distribution,
                           const TableColumns<OccurrenceRow>& table, const KeyCaptions& captions)
{
    writeTitle(out, table.title);
    const std::string_view occurrences = table.columns[0].heading;
    bool first = true;
    for (const KeyRows& key : distribution.keys) {
        out << (first ? "" : "\n") << captions.key << ' ';
        writeCp1252(out, key.key);
        out << '\n';
        writeTextTable(out, table.columns, key.rows);
        for (const OccurrenceRow& row : key.rows) {
            out << '\n' << occurrences << " : " << row.occurrences << '\n';
            writeFormLines(out, row.forms);
        }
        first = false;
    }
}

void writeDistributionJson(JsonWriter& json, const KeyDistribution& distribution)
{
    json.beginObject().key("keys").beginArray();
    for (const KeyRows& key : distribution.keys)
        json.text(key.key);
    json.endArray().key("counts").beginObject();
    for (const KeyRows& key : distribution.keys) {
        // The three configurations read the same cells; only their headings differ.
        json.key(cp1252ToUtf8(key.key));
        writeJsonRows(json, LettersStatistic::table.columns, key.rows);
    }
    json.endObject().key("forms").beginObject();
    for (const KeyRows& key : distribution.keys) {
        json.key(cp1252ToUtf8(key.key)).beginObject();
        for (const OccurrenceRow& row : key.rows) {
            json.key(std::to_string(row.occurrences));
            writeJsonForms(json, row.forms);
        }
        json.endObject();
    }
    json.endObject().endObject();
}

void writeDistributionCsv(CsvWriter& csv, const KeyDistribution& distribution, const TableColumns<OccurrenceRow>& table,
                          const KeyCaptions& captions)
{
    std::vector<std::string_view> headings{captions.keyHeading};
    for (const Column<OccurrenceRow>& column : table.columns)
        headings.push_back(column.heading);
    csv.beginTable(table.title, headings);
    for (const KeyRows& key : distribution.keys)
        for (const OccurrenceRow& row : key.rows)
            csv.row(key.key, row.occurrences, row.formCount);
    csv.endTable();
    csv.beginTable(captions.formsTitle,
                   {captions.keyHeading, table.columns[0].heading, "Forme", "Nombre d'attestations"});
    for (const KeyRows& key : distribution.keys)
        for (const OccurrenceRow& row : key.rows)
            for (const FormCount& form : row.forms)
                csv.row(key.key, row.occurrences, form.form, form.count);
    csv.endTable();
}

} // namespace quorvelle::cli
