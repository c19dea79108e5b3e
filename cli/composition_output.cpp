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
    std::string_view occurrences; ///< the heading of the counts column
    std::string_view forms;       ///< the heading of the numbers of forms
};

constexpr KeyCaptions letterCaptions{"Statistiques formes / lettres de l'alphabet", "Lettres :",
                                     "Nombre d' attestation(s)", "Nombre de forme(s)"};
constexpr KeyCaptions doubledLetterCaptions{"Statistiques Lettres redoublées", "Lettres :",
                                            "Nombre d' attestations", "Nombres de formes"};
constexpr KeyCaptions letterPairCaptions{"Statistiques Récurrences phoniques", "Associations :",
                                         "Nombre d' attestation(s)", "Nombre de forme(s)"};

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

} // namespace quorvelle::cli
