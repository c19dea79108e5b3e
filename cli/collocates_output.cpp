// The forms around a pivot on the command line.
#include "cli/collocates_output.h"

#include "cli/french_text.h"
#include "cli/table_output.h"
#include "core/presentation/french_messages.h"
#include "core/statistics/collocates_command.h"
#include "core/text/encoding.h"

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace quorvelle::cli {
namespace {

std::string titleOf(const CollocateReport& report)
{
    return "Cooccurrents de « " + cp1252ToUtf8(report.pivot) + " »";
}

constexpr std::span<const Column<Collocate>> columns = collocateColumns;

} // namespace

void writeText(std::ostream& out, const CollocateListing& listing)
{
    const CollocateReport& report = listing.report;
    const std::vector<std::size_t> shown = shownCollocates(report, listing.thresholds);
    writeTitle(out, titleOf(report));
    writeTotal(out, french::formCountCaption, report.tokenCount);
    writeFigures(out, collocateFigures, report);
    writeTotal(out, "Fenêtre (formes de chaque côté) :", report.options.span);
    writeTotal(out, "Dans la même phrase :", report.options.withinSentence ? "oui" : "non");
    writeTotal(out, "Cooccurrences au moins :", listing.thresholds.minCount);
    writeTotal(out, "Score au moins :", frenchNumber(listing.thresholds.minScore));
    writeTotal(out, "Cooccurrents affichés :", shown.size());
    out << '\n';
    writeTextHeadings(out, columns);
    for (const std::size_t place : shown)
        writeTextRow(out, columns, report.collocates[place], place);
}

void writeJson(JsonWriter& json, const CollocateListing& listing)
{
    const CollocateReport& report = listing.report;
    json.beginObject()
        .member("pivot", report.pivot)
        .member("span", report.options.span)
        .key("withinSentence")
        .value(report.options.withinSentence)
        .member("tokenCount", report.tokenCount);
    writeFigureMembers(json, collocateFigures, report);
    json.key("collocates").beginArray();
    for (const Collocate& collocate : report.collocates)
        json.beginObject()
            .member("form", collocate.form)
            .member("count", collocate.count)
            .member("attestations", collocate.attestations)
            .key("score")
            .value(exactNumber(collocate.score))
            .endObject();
    json.endArray().endObject();
}

void writeCsv(CsvWriter& csv, const CollocateListing& listing)
{
    const std::string title = titleOf(listing.report);
    beginCsvTable(csv, TableColumns<Collocate>{title, columns});
    for (const std::size_t place : shownCollocates(listing.report, listing.thresholds))
        writeCsvRow(csv, columns, listing.report.collocates[place], place);
    csv.endTable();
}

} // namespace quorvelle::cli
