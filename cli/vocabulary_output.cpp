// The counts as their two message boxes read, and the vocabulary grid in both orders.
#include "cli/vocabulary_output.h"

#include "cli/french_text.h"
#include "core/french_messages.h"

#include <string>
#include <string_view>

namespace quorvelle::cli {
namespace {

// The vocabulary grid: a header row, then one tab-separated row per form.
void writeFormGrid(std::ostream& out, const std::vector<FormCount>& forms)
{
    out << "Formes\tNombre d'attestations\n";
    for (const FormCount& form : forms) {
        writeCp1252(out, form.form);
        out << '\t' << form.count << '\n';
    }
}

} // namespace

void writeText(std::ostream& out, const CharacterCounts& counts)
{
    out << french::charactersTitle << '\n'
        << withTerminalLineEnds(french::charactersMessage(counts)) << '\n'
        << french::wordsTitle << '\n'
        << french::wordsMessage(counts.words) << '\n';
}

void writeJson(JsonWriter& json, const CharacterCounts& counts)
{
    json.beginObject()
        .key("alphabetic").integer(counts.alphabetic)
        .key("numeric").integer(counts.numeric)
        .key("special").integer(counts.special)
        .key("total").integer(counts.total)
        .key("words").integer(counts.words)
        .endObject();
}

void writeCsv(CsvWriter& csv, const CharacterCounts& counts)
{
    csv.beginTable("Nombre de caractères et de mots", {"Comptage", "Nombre"});
    csv.row(Utf8Field{"Caractères alphabétiques"}, counts.alphabetic);
    csv.row(Utf8Field{"Caractères numériques"}, counts.numeric);
    csv.row(Utf8Field{"Caractères spéciaux"}, counts.special);
    csv.row(Utf8Field{"Total des caractères"}, counts.total);
    csv.row(Utf8Field{"Mots"}, counts.words);
    csv.endTable();
}

void writeText(std::ostream& out, const VocabularyReport& report)
{
    writeTitle(out, "Liste du vocabulaire");
    writeTotal(out, french::totalFormsCaption, report.tokenCount);
    writeTotal(out, french::distinctFormsCaption, report.distinctCount);
    writeTotal(out, french::meanFrequencyCaption, frenchNumber(report.meanFrequency));
    out << "\nOrdre alphabétique\n";
    writeFormGrid(out, report.alphabetical);
    out << "\nFréquences décroissantes\n";
    writeFormGrid(out, report.byFrequency);
}

void writeCsv(CsvWriter& csv, const VocabularyReport& report)
{
    csv.beginTable("Liste du vocabulaire", {"Formes", "Nombre d'attestations"});
    for (const FormCount& form : report.alphabetical)
        csv.row(form.form, form.count);
    csv.endTable();
}

void writeJson(JsonWriter& json, const std::vector<FormCount>& forms)
{
    json.beginArray();
    for (const FormCount& form : forms)
        json.textAndCount(form.form, form.count);
    json.endArray();
}

void writeJson(JsonWriter& json, const VocabularyReport& report)
{
    json.beginObject()
        .key("tokenCount").integer(report.tokenCount)
        .key("distinctCount").integer(report.distinctCount)
        .key("meanFrequency").number(report.meanFrequency)
        .key("alphabetical");
    writeJson(json, report.alphabetical);
    json.key("byFrequency");
    writeJson(json, report.byFrequency);
    json.endObject();
}

} // namespace quorvelle::cli
