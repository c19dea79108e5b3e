// The richness measures on the command line.
#include "cli/richness_output.h"

#include "cli/french_text.h"
#include "cli/table_output.h"
#include "core/statistics/richness_statistic.h"

namespace quorvelle::cli {
namespace {

constexpr std::string_view title = "Statistiques  -  La richesse du vocabulaire";

} // namespace

void StatisticWriters<RichnessStatistic>::writeText(std::ostream& out, const RichnessReport& report)
{
    writeTitle(out, title);
    writeFigures(out, RichnessStatistic::counts, report);
    out << '\n';
    for (const Figure<RichnessReport>& measure : RichnessStatistic::measures)
        out << measure.caption << " : "
            << formattedFigure(measure.value(report), measure.format, frenchDecimalSeparator) << "  ("
            << measure.formula << ")\n";
}

void StatisticWriters<RichnessStatistic>::writeCsv(CsvWriter& csv, const RichnessReport& report)
{
    csv.beginTable(title, {"Mesure", "Valeur", "Formule"});
    writeCsvFigures(csv, RichnessStatistic::figures, report,
                    [](const Figure<RichnessReport>& figure) { return std::tuple(Utf8Field{figure.formula}); });
    csv.endTable();
}

void StatisticWriters<RichnessStatistic>::writeJson(JsonWriter& json, const RichnessReport& report)
{
    json.beginObject();
    writeFigureMembers(json, RichnessStatistic::figures, report);
    json.endObject();
}

} // namespace quorvelle::cli
