// The counts as their two message boxes read, and the vocabulary grid in both orders.
#include "cli/vocabulary_output.h"

#include "cli/french_text.h"
#include "cli/table_output.h"
#include "core/presentation/french_messages.h"
#include "core/statistics/counts_statistic.h"
#include "core/statistics/vocabulary_statistic.h"

#include <string>
#include <string_view>

namespace quorvelle::cli {

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
        .member("alphabetic", counts.alphabetic)
        .member("numeric", counts.numeric)
        .member("special", counts.special)
        .member("total", counts.total)
        .member("words", counts.words)
        .endObject();
}

void writeCsv(CsvWriter& csv, const CharacterCounts& counts)
{
    csv.beginTable(CountsStatistic::info.title, {"Comptage", "Nombre"});
    csv.row(Utf8Field{"Caractères alphabétiques"}, counts.alphabetic);
    csv.row(Utf8Field{"Caractères numériques"}, counts.numeric);
    csv.row(Utf8Field{"Caractères spéciaux"}, counts.special);
    csv.row(Utf8Field{"Total des caractères"}, counts.total);
    csv.row(Utf8Field{"Mots"}, counts.words);
    csv.endTable();
}

void writeText(std::ostream& out, const VocabularyReport& report)
{
    writeTitle(out, VocabularyStatistic::info.title);
    writeFigures(out, VocabularyStatistic::figures, report);
    out << "\nOrdre alphabétique\n";
    writeTextTable(out, VocabularyStatistic::table.columns, report.alphabetical);
    out << "\nFréquences décroissantes\n";
    writeTextTable(out, VocabularyStatistic::table.columns, report.byFrequency);
}

void writeCsv(CsvWriter& csv, const VocabularyReport& report)
{
    writeCsvTable(csv, VocabularyStatistic::table, report.alphabetical);
}

void writeJson(JsonWriter& json, FormList forms)
{
    json.beginArray();
    for (const FormCount& form : forms)
        json.textAndCount(form.form, form.count);
    json.endArray();
}

void writeJson(JsonWriter& json, const VocabularyReport& report)
{
    json.beginObject();
    writeFigureMembers(json, VocabularyStatistic::figures, report);
    json.key("alphabetical");
    writeJson(json, report.alphabetical);
    json.key("byFrequency");
    writeJson(json, report.byFrequency);
    json.endObject();
}

} // namespace quorvelle::cli
