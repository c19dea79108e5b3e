// The enrichment as its window shows it: the totals, the table of the slices, then the new forms
// of every slice (the window lists one slice at a time, on a click).
#include "cli/enrichment_output.h"

#include "cli/french_text.h"
#include "cli/table_output.h"

#include <string>

namespace quorvelle::cli {

void StatisticWriters<EnrichmentStatistic>::writeText(std::ostream& out, const EnrichmentReport& report)
{
    writeTitle(out, EnrichmentStatistic::info.title);
    writeFigures(out, EnrichmentStatistic::figures, report);
    out << '\n';
    writeTextTable(out, EnrichmentStatistic::table.columns, report.slices);
    out << "* Une tranche = " << enrichmentSliceSize << " mots\n";
    for (const EnrichmentSlice& slice : report.slices) {
        writeHeading(out, "Formes nouvelles de la tranche " + std::to_string(slice.number));
        ResultListing listing(terminalLineEnd);
        for (const KnownForm& form : report.newFormsOf(slice))
            listing.addForm(form.form, form.attestations);
        writeListing(out, listing);
    }
}

void StatisticWriters<EnrichmentStatistic>::writeJson(JsonWriter& json, const EnrichmentReport& report)
{
    json.beginObject();
    writeFigureMembers(json, EnrichmentStatistic::figures, report);
    json.key("slices");
    writeJsonRows(json, EnrichmentStatistic::table.columns, report.slices);
    json.key("knownForms").beginArray();
    for (const KnownForm& form : report.knownForms)
        json.beginArray().text(form.form).integer(form.attestations).integer(form.firstSlice).endArray();
    json.endArray().endObject();
}

void StatisticWriters<EnrichmentStatistic>::writeCsv(CsvWriter& csv, const EnrichmentReport& report)
{
    writeCsvTable(csv, EnrichmentStatistic::table, report.slices);
    csv.beginTable("Formes nouvelles par tranche", {"Tranche", "Forme", "Nombre d'attestations dans la tranche"});
    for (const KnownForm& form : report.knownForms)
        csv.row(form.firstSlice, form.form, form.attestations);
    csv.endTable();
}

} // namespace quorvelle::cli
