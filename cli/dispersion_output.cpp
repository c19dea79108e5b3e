// A form's dispersion on the command line.
#include "cli/dispersion_output.h"

#include "cli/french_text.h"
#include "core/presentation/chart_data.h"
#include "core/presentation/french_messages.h"
#include "core/statistics/dispersion_command.h"
#include "core/text/encoding.h"

#include <string>

namespace quorvelle::cli {
namespace {

std::string titleOf(const DispersionReport& report)
{
    return "Répartition de « " + cp1252ToUtf8(report.form) + " » dans le texte";
}

} // namespace

void writeText(std::ostream& out, const DispersionReport& report)
{
    writeTitle(out, titleOf(report));
    writeTotal(out, french::formCountCaption, report.tokenCount);
    writeFigures(out, dispersionCounts, report);
    writeTotal(out, "Nombre de parties :", report.parts.size());
    writeFigures(out, dispersionMeasures, report);
    out << '\n';
    // The rows the dispersion window's grid shows.
    out << dispersionPartHeadings[0] << '\t' << dispersionPartHeadings[1] << '\t' << dispersionPartHeadings[2] << '\n';
    for (const ChartRow& row : dispersionChart(report).rows) {
        writeCp1252(out, row.cells[0] + '\t' + row.cells[1] + '\t' + row.cells[2]);
        out << '\n';
    }
}

void writeJson(JsonWriter& json, const DispersionReport& report)
{
    json.beginObject()
        .member("form", report.form)
        .member("tokenCount", report.tokenCount);
    writeFigureMembers(json, dispersionCounts, report);
    json.key("parts").beginArray();
    for (const DispersionPart& part : report.parts)
        json.beginObject()
            .member("firstForm", part.firstForm + 1)
            .member("formCount", part.formCount)
            .member("attestations", part.attestations)
            .endObject();
    json.endArray();
    writeFigureMembers(json, dispersionMeasures, report);
    json.endObject();
}

void writeCsv(CsvWriter& csv, const DispersionReport& report)
{
    csv.beginTable(titleOf(report), dispersionPartHeadings);
    for (const ChartRow& row : dispersionChart(report).rows)
        csv.row(std::string_view(row.cells[0]), std::string_view(row.cells[1]), std::string_view(row.cells[2]));
    csv.endTable();
}

} // namespace quorvelle::cli
