// The counts as their two message boxes read.
#include "cli/counts_output.h"

#include "cli/french_text.h"
#include "core/presentation/french_messages.h"

namespace quorvelle::cli {

void StatisticWriters<CountsStatistic>::writeText(std::ostream& out, const CharacterCounts& counts)
{
    out << french::charactersTitle << '\n'
        << withTerminalLineEnds(french::charactersMessage(counts)) << '\n'
        << french::wordsTitle << '\n'
        << french::wordsMessage(counts.words) << '\n';
}

void StatisticWriters<CountsStatistic>::writeJson(JsonWriter& json, const CharacterCounts& counts)
{
    json.beginObject()
        .member("alphabetic", counts.alphabetic)
        .member("numeric", counts.numeric)
        .member("special", counts.special)
        .member("total", counts.total)
        .member("words", counts.words)
        .endObject();
}

void StatisticWriters<CountsStatistic>::writeCsv(CsvWriter& csv, const CharacterCounts& counts)
{
    csv.beginTable(CountsStatistic::info.title, {"Comptage", "Nombre"});
    csv.row(Utf8Field{"Caractères alphabétiques"}, counts.alphabetic);
    csv.row(Utf8Field{"Caractères numériques"}, counts.numeric);
    csv.row(Utf8Field{"Caractères spéciaux"}, counts.special);
    csv.row(Utf8Field{"Total des caractères"}, counts.total);
    csv.row(Utf8Field{"Mots"}, counts.words);
    csv.endTable();
}

} // namespace quorvelle::cli
