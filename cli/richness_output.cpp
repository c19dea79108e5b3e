// The richness measures on the command line.
#include "cli/richness_output.h"

#include "cli/french_text.h"
#include "core/catalogue/statistics_catalogue.h"

namespace quorvelle::cli {
namespace {

constexpr std::string_view title = "Statistiques  -  La richesse du vocabulaire";

} // namespace

void writeText(std::ostream& out, const RichnessReport& report)
{
    writeTitle(out, title);
    writeFigures(out, RichnessStatistic::counts, report);
    out << '\n';
    for (const Figure<RichnessReport>& measure : RichnessStatistic::measures)
        out << measure.caption << " : "
            << formattedFigure(measure.value(report), measure.format, frenchDecimalSeparator) << "  ("
            << measure.formula << ")\n";
}

void writeCsv(CsvWriter& csv, const RichnessReport& report)
{
    // The counts' captions end with a colon that a table's cell does without.
    const auto withoutColon = [](std::string_view caption) { return caption.substr(0, caption.rfind(" :")); };
    csv.beginTable(title, {"Mesure", "Valeur", "Formule"});
    for (const Figure<RichnessReport>& figure : RichnessStatistic::figures)
        std::visit(
            [&](const auto& value) {
                csv.row(Utf8Field{withoutColon(figure.caption)}, value, Utf8Field{figure.formula});
            },
            figure.value(report));
    csv.endTable();
}

void writeJson(JsonWriter& json, const RichnessReport& report)
{
    json.beginObject();
    writeFigureMembers(json, RichnessStatistic::figures, report);
    json.endObject();
}

} // namespace quorvelle::cli
