// Zipf's law on the command line.
#include "cli/zipf_output.h"

#include "cli/french_text.h"
#include "cli/table_output.h"
#include "core/presentation/french_messages.h"
#include "core/statistics/zipf_statistic.h"


namespace quorvelle::cli {
namespace {

constexpr auto& table = ZipfStatistic::table;

std::int64_t distinctCount(const ZipfReport& report)
{
    return static_cast<std::int64_t>(report.rows.size());
}

} // namespace

void StatisticWriters<ZipfStatistic>::writeText(std::ostream& out, const ZipfReport& report)
{
    writeTitle(out, ZipfStatistic::info.title);
    writeTotal(out, french::totalFormsCaption, report.tokenCount);
    writeTotal(out, french::distinctFormsCaption, distinctCount(report));
    writeTotal(out, "Droite ajustée :",
               report.fit ? "log10 f = a + b × log10 r" : "il faut au moins deux formes pour ajuster une droite.");
    writeFigures(out, ZipfStatistic::figures, report);
    out << '\n';
    writeTextTable(out, table.columns, report.rows);
}

void StatisticWriters<ZipfStatistic>::writeJson(JsonWriter& json, const ZipfReport& report)
{
    json.beginObject()
        .member("tokenCount", report.tokenCount)
        .member("distinctCount", distinctCount(report));
    writeFigureMembers(json, ZipfStatistic::figures, report);
    json.key("rows");
    writeJsonRows(json, table.columns, report.rows);
    json.endObject();
}

void StatisticWriters<ZipfStatistic>::writeCsv(CsvWriter& csv, const ZipfReport& report)
{
    csv.beginTable(ZipfStatistic::info.title, {"Mesure", "Valeur"});
    csv.row(Utf8Field{"Nombre total de formes"}, report.tokenCount);
    csv.row(Utf8Field{"Nombre total de formes différentes"}, distinctCount(report));
    writeCsvFigures(csv, ZipfStatistic::figures, report);
    csv.endTable();
    writeCsvTable(csv, table, report.rows);
}

} // namespace quorvelle::cli
