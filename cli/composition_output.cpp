// The composition statistics as their windows show them: the table, then the result-box
// listing of every row (the windows list one row at a time, on a click).
#include "cli/composition_output.h"

#include "cli/french_text.h"
#include "cli/table_output.h"
#include "cli/vocabulary_output.h"
#include "core/presentation/french_messages.h"
#include "core/statistics/doubled_letters_statistic.h"
#include "core/statistics/lengths_statistic.h"
#include "core/statistics/letter_pairs_statistic.h"
#include "core/statistics/letters_statistic.h"
#include "core/statistics/start_end_letters_statistic.h"
#include "core/text/encoding.h"

#include <string>
#include <string_view>
#include <vector>

namespace quorvelle::cli {
namespace {

// What tells the three windows of the key scheme apart, besides their table.
struct KeyCaptions {
    std::string_view key;        ///< the label of the combo box
    std::string_view keyHeading; ///< the key's column in a table
    std::string_view formsTitle; ///< the title of the table of the rows' forms
};

constexpr KeyCaptions letterCaptions{"Lettres :", "Lettres", "Formes par lettre de l'alphabet"};
constexpr KeyCaptions doubledLetterCaptions{"Lettres :", "Lettres", "Formes par lettre redoublée"};
constexpr KeyCaptions letterPairCaptions{"Associations :", "Associations", "Formes par association de lettres"};

// Each key in the combo box's order: its two columns, then the forms of each row under
// the row's count.
void writeDistribution(std::ostream& out, const KeyDistribution& distribution, const TableColumns<OccurrenceRow>& table,
                       const KeyCaptions& captions)
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

// Two tables: the rows of every key, then the forms of every row.
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

} // namespace

void writeText(std::ostream& out, const LengthReport& report)
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

void writeJson(JsonWriter& json, const LengthReport& report)
{
    json.beginObject().key("tokenCount").integer(report.tokenCount).key("rows");
    writeJsonRows(json, LengthsStatistic::table.columns, report.rows);
    json.key("forms").beginObject();
    for (const LengthRow& row : report.rows) {
        json.key(std::to_string(row.length));
        writeJson(json, row.forms);
    }
    json.endObject().endObject();
}

void writeCsv(CsvWriter& csv, const LengthReport& report)
{
    writeCsvTable(csv, LengthsStatistic::table, report.rows);
    csv.beginTable("Formes par nombre de caractères",
                   {"Nombre caractères par forme", "Forme", "Nombre d'attestations"});
    for (const LengthRow& row : report.rows)
        for (const FormCount& form : row.forms)
            csv.row(row.length, form.form, form.count);
    csv.endTable();
}

void writeText(std::ostream& out, const LetterReport& report)
{
    writeDistribution(out, report, LettersStatistic::table, letterCaptions);
}

void writeText(std::ostream& out, const DoubledLetterReport& report)
{
    writeDistribution(out, report, DoubledLettersStatistic::table, doubledLetterCaptions);
}

void writeText(std::ostream& out, const LetterPairReport& report)
{
    writeDistribution(out, report, LetterPairsStatistic::table, letterPairCaptions);
}

void writeCsv(CsvWriter& csv, const LetterReport& report)
{
    writeDistributionCsv(csv, report, LettersStatistic::table, letterCaptions);
}

void writeCsv(CsvWriter& csv, const DoubledLetterReport& report)
{
    writeDistributionCsv(csv, report, DoubledLettersStatistic::table, doubledLetterCaptions);
}

void writeCsv(CsvWriter& csv, const LetterPairReport& report)
{
    writeDistributionCsv(csv, report, LetterPairsStatistic::table, letterPairCaptions);
}

void writeJson(JsonWriter& json, const KeyDistribution& distribution)
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
            writeJson(json, row.forms);
        }
        json.endObject();
    }
    json.endObject().endObject();
}

void writeText(std::ostream& out, const EdgeLetterReport& report)
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

void writeJson(JsonWriter& json, const EdgeLetterReport& report)
{
    json.beginObject().key("rows");
    writeJsonRows(json, StartEndLettersStatistic::table.columns, report.rows);
    const auto writeSide = [&](std::string_view name, const std::vector<FormCount> EdgeLetterRow::*side) {
        json.key(name).beginObject();
        for (const EdgeLetterRow& row : report.rows) {
            if ((row.*side).empty())
                continue;
            json.key(cp1252ToUtf8(std::string_view(&row.letter, 1)));
            writeJson(json, row.*side);
        }
        json.endObject();
    };
    writeSide("starts", &EdgeLetterRow::starts);
    writeSide("ends", &EdgeLetterRow::ends);
    json.endObject();
}

void writeCsv(CsvWriter& csv, const EdgeLetterReport& report)
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
