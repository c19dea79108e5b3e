// Zipf's law on the command line.
#include "cli/zipf_output.h"

#include "cli/french_text.h"
#include "cli/table_output.h"
#include "core/catalogue/statistics_catalogue.h"
#include "core/presentation/french_messages.h"

#include <string_view>

namespace quorvelle::cli {
namespace {

constexpr auto& table = ZipfStatistic::table;

// The captions of the line's figures, in the text output and in the CSV.
constexpr std::string_view interceptCaption = "Ordonnée à l'origine a";
constexpr std::string_view slopeCaption = "Pente b";
constexpr std::string_view determinationCaption = "Coefficient de détermination R²";

std::int64_t distinctCount(const ZipfReport& report)
{
    return static_cast<std::int64_t>(report.rows.size());
}

} // namespace

void writeText(std::ostream& out, const ZipfReport& report)
{
    writeTitle(out, ZipfStatistic::info.title);
    writeTotal(out, french::totalFormsCaption, report.tokenCount);
    writeTotal(out, french::distinctFormsCaption, distinctCount(report));
    writeTotal(out, "Droite ajustée :",
               report.fit ? "log10 f = a + b × log10 r" : "il faut au moins deux formes pour ajuster une droite.");
    out << interceptCaption << " : " << frenchMeasure(report.intercept()) << '\n'
        << slopeCaption << " : " << frenchMeasure(report.slope()) << '\n'
        << determinationCaption << " : " << frenchMeasure(report.determination()) << "\n\n";
    writeTextTable(out, table.columns, report.rows);
}

void writeJson(JsonWriter& json, const ZipfReport& report)
{
    json.beginObject()
        .member("tokenCount", report.tokenCount)
        .member("distinctCount", distinctCount(report))
        .key("intercept")
        .value(exactNumber(report.intercept()))
        .key("slope")
        .value(exactNumber(report.slope()))
        .key("determination")
        .value(exactNumber(report.determination()))
        .key("rows");
    writeJsonRows(json, table.columns, report.rows);
    json.endObject();
}

void writeCsv(CsvWriter& csv, const ZipfReport& report)
{
    csv.beginTable(ZipfStatistic::info.title, {"Mesure", "Valeur"});
    csv.row(Utf8Field{"Nombre total de formes"}, report.tokenCount);
    csv.row(Utf8Field{"Nombre total de formes différentes"}, distinctCount(report));
    csv.row(Utf8Field{interceptCaption}, report.intercept());
    csv.row(Utf8Field{slopeCaption}, report.slope());
    csv.row(Utf8Field{determinationCaption}, report.determination());
    csv.endTable();
    writeCsvTable(csv, table, report.rows);
}

} // namespace quorvelle::cli
