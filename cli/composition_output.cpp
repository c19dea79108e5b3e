// The composition statistics as their windows show them: the table, then the result-box
// listing of every row (the windows list one row at a time, on a click).
#include "cli/composition_output.h"

#include "cli/french_text.h"
#include "core/french_messages.h"
#include "cli/vocabulary_output.h"
#include "core/encoding.h"

#include <string>
#include <string_view>

namespace quorvelle::cli {
namespace {

// What tells the three windows of the key scheme apart.
struct KeyCaptions {
    std::string_view title;
    std::string_view key;         ///< the label of the combo box
    std::string_view keyHeading;  ///< the key's column in a table
    std::string_view occurrences; ///< the heading of the counts column
    std::string_view forms;       ///< the heading of the numbers of forms
    std::string_view formsTitle;  ///< the title of the table of the rows' forms
};

constexpr KeyCaptions letterCaptions{"Statistiques formes / lettres de l'alphabet", "Lettres :", "Lettres",
                                     "Nombre d' attestation(s)", "Nombre de forme(s)", "Formes par lettre de l'alphabet"};
constexpr KeyCaptions doubledLetterCaptions{"Statistiques Lettres redoublées", "Lettres :", "Lettres",
                                            "Nombre d' attestations", "Nombres de formes", "Formes par lettre redoublée"};
constexpr KeyCaptions letterPairCaptions{"Statistiques Récurrences phoniques", "Associations :", "Associations",
                                         "Nombre d' attestation(s)", "Nombre de forme(s)",
                                         "Formes par association de lettres"};

// Each key in the combo box's order: its two columns, then the forms of each row under
// the row's count.
void writeDistribution(std::ostream& out, const KeyDistribution& distribution, const KeyCaptions& captions)
{
    writeTitle(out, captions.title);
    bool first = true;
    for (const KeyRows& key : distribution.keys) {
        out << (first ? "" : "\n") << captions.key << ' ';
        writeCp1252(out, key.key);
        out << '\n' << captions.occurrences << '\t' << captions.forms << '\n';
        for (const OccurrenceRow& row : key.rows)
            out << row.occurrences << '\t' << row.formCount << '\n';
        for (const OccurrenceRow& row : key.rows) {
            out << '\n' << captions.occurrences << " : " << row.occurrences << '\n';
            writeFormLines(out, row.forms);
        }
        first = false;
    }
}

// Two tables: the rows of every key, then the forms of every row.
void writeDistributionCsv(CsvWriter& csv, const KeyDistribution& distribution, const KeyCaptions& captions)
{
    csv.beginTable(captions.title, {captions.keyHeading, captions.occurrences, captions.forms});
    for (const KeyRows& key : distribution.keys)
        for (const OccurrenceRow& row : key.rows)
            csv.row(key.key, row.occurrences, row.formCount);
    csv.endTable();
    csv.beginTable(captions.formsTitle, {captions.keyHeading, captions.occurrences, "Forme", "Nombre d'attestations"});
    for (const KeyRows& key : distribution.keys)
        for (const OccurrenceRow& row : key.rows)
            for (const FormCount& form : row.forms)
                csv.row(key.key, row.occurrences, form.form, form.count);
    csv.endTable();
}

} // namespace

void writeText(std::ostream& out, const LengthReport& report)
{
    writeTitle(out, "Statistiques formes / caractères (Rangs)");
    writeTotal(out, french::totalFormsCaption, report.tokenCount);
    out << "\nNombre de forme(s)\tNombre caractères par forme\t%\n";
    for (const LengthRow& row : report.rows)
        out << row.formCount << '\t' << row.length << '\t' << frenchNumber(row.percentage) << '\n';
    for (const LengthRow& row : report.rows) {
        out << "\nForme(s) de " << row.length << " caractère(s)\n";
        writeFormLines(out, row.forms, CountSpacing::TwoBlanks);
    }
}

void writeJson(JsonWriter& json, const LengthReport& report)
{
    json.beginObject().key("tokenCount").integer(report.tokenCount).key("rows").beginArray();
    for (const LengthRow& row : report.rows)
        json.beginArray().integer(row.formCount).integer(row.length).number(row.percentage).endArray();
    json.endArray().key("forms").beginObject();
    for (const LengthRow& row : report.rows) {
        json.key(std::to_string(row.length));
        writeJson(json, row.forms);
    }
    json.endObject().endObject();
}

void writeCsv(CsvWriter& csv, const LengthReport& report)
{
    csv.beginTable("Statistiques formes / caractères (Rangs)", {"Nombre de forme(s)", "Nombre caractères par forme", "%"});
    for (const LengthRow& row : report.rows)
        csv.row(row.formCount, row.length, row.percentage);
    csv.endTable();
    csv.beginTable("Formes par nombre de caractères", {"Nombre caractères par forme", "Forme", "Nombre d'attestations"});
    for (const LengthRow& row : report.rows)
        for (const FormCount& form : row.forms)
            csv.row(row.length, form.form, form.count);
    csv.endTable();
}

void writeText(std::ostream& out, const LetterReport& report)
{
    writeDistribution(out, report, letterCaptions);
}

void writeText(std::ostream& out, const DoubledLetterReport& report)
{
    writeDistribution(out, report, doubledLetterCaptions);
}

void writeText(std::ostream& out, const LetterPairReport& report)
{
    writeDistribution(out, report, letterPairCaptions);
}

void writeCsv(CsvWriter& csv, const LetterReport& report)
{
    writeDistributionCsv(csv, report, letterCaptions);
}

void writeCsv(CsvWriter& csv, const DoubledLetterReport& report)
{
    writeDistributionCsv(csv, report, doubledLetterCaptions);
}

void writeCsv(CsvWriter& csv, const LetterPairReport& report)
{
    writeDistributionCsv(csv, report, letterPairCaptions);
}

void writeJson(JsonWriter& json, const KeyDistribution& distribution)
{
    json.beginObject().key("keys").beginArray();
    for (const KeyRows& key : distribution.keys)
        json.text(key.key);
    json.endArray().key("counts").beginObject();
    for (const KeyRows& key : distribution.keys) {
        json.key(cp1252ToUtf8(key.key)).beginArray();
        for (const OccurrenceRow& row : key.rows)
            json.beginArray().integer(row.occurrences).integer(row.formCount).endArray();
        json.endArray();
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
    writeTitle(out, " Lettres de l'alphabet- début/fin de mot");
    out << "Lettres\tDébut\tFin\n";
    for (const EdgeLetterRow& row : report.rows) {
        writeCp1252(out, std::string_view(&row.letter, 1));
        out << '\t' << row.startCount << '\t' << row.endCount << '\n';
    }
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
    json.beginObject().key("rows").beginArray();
    for (const EdgeLetterRow& row : report.rows)
        json.beginArray().text(std::string_view(&row.letter, 1)).integer(row.startCount).integer(row.endCount).endArray();
    json.endArray();
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
    csv.beginTable("Lettres de l'alphabet - début/fin de mot", {"Lettres", "Début", "Fin"});
    for (const EdgeLetterRow& row : report.rows)
        csv.row(std::string_view(&row.letter, 1), row.startCount, row.endCount);
    csv.endTable();
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
