// The first and last letters as their window shows them: the table, then the forms that start
// and end with each letter (the window lists one letter at a time, on a click).
#include "cli/edge_letters_output.h"

#include "cli/form_list_json.h"
#include "cli/french_text.h"
#include "cli/table_output.h"
#include "core/text/encoding.h"

#include <string_view>
#include <vector>

namespace quorvelle::cli {

void StatisticWriters<StartEndLettersStatistic>::writeText(std::ostream& out, const EdgeLetterReport& report)
{
    writeTitle(out, StartEndLettersStatistic::info.title);
    writeTextTable(out, StartEndLettersStatistic::table.columns, report.rows);
    for (const EdgeLetterRow& row : report.rows) {
        out << "\nLettres : ";
        writeCp1252(out, std::string_view(&row.letter, 1));
        out << "\nDébut de mot : " << row.startCount << '\n';
        writeFormLines(out, row.starts);
        out << "Fin de mot : " << row.endCount << '\n';
        writeFormLines(out, row.ends);
    }
}

void StatisticWriters<StartEndLettersStatistic>::writeJson(JsonWriter& json, const EdgeLetterReport& report)
{
    json.beginObject().key("rows");
    writeJsonRows(json, StartEndLettersStatistic::table.columns, report.rows);
    const auto writeSide = [&](std::string_view name, const std::vector<FormCount> EdgeLetterRow::*side) {
        json.key(name).beginObject();
        for (const EdgeLetterRow& row : report.rows) {
            if ((row.*side).empty())
                continue;
            json.key(cp1252ToUtf8(std::string_view(&row.letter, 1)));
            writeJsonForms(json, row.*side);
        }
        json.endObject();
    };
    writeSide("starts", &EdgeLetterRow::starts);
    writeSide("ends", &EdgeLetterRow::ends);
    json.endObject();
}

void StatisticWriters<StartEndLettersStatistic>::writeCsv(CsvWriter& csv, const EdgeLetterReport& report)
{
    writeCsvTable(csv, StartEndLettersStatistic::table, report.rows);
    const auto writeSide = [&](std::string_view title, const std::vector<FormCount> EdgeLetterRow::*side) {
        csv.beginTable(title, {"Lettres", "Forme", "Nombre d'attestations"});
        for (const EdgeLetterRow& row : report.rows)
            for (const FormCount& form : row.*side)
                csv.row(std::string_view(&row.letter, 1), form.form, form.count);
        csv.endTable();
    };
    writeSide("Formes par lettre en début de mot", &EdgeLetterRow::starts);
    writeSide("Formes par lettre en fin de mot", &EdgeLetterRow::ends);
}

} // namespace quorvelle::cli
