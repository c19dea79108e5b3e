// The specificities on the command line.
#include "cli/specificity_output.h"

#include "cli/french_text.h"
#include "cli/table_output.h"
#include "core/statistics/specificities_statistic.h"

namespace quorvelle::cli {
namespace {

constexpr auto& table = SpecificitiesStatistic::table;

} // namespace

void StatisticWriters<SpecificitiesStatistic>::writeText(std::ostream& out, const SpecificityReport& report)
{
    writeTitle(out, table.title);
    if (report.ofLemmas)
        writeLemmaUnit(out);
    writeFigures(out, SpecificitiesStatistic::textSizes, report);
    writeTotal(out, "Seuil de spécificité :", frenchNumber(report.threshold));
    writeFigures(out, SpecificitiesStatistic::specificFormCounts, report);
    out << '\n';
    writeTextHeadings(out, table.columns);
    for (std::size_t place = 0; place < report.forms.size(); ++place)
        if (report.isSpecific(report.forms[place]))
            writeTextRow(out, table.columns, report.forms[place], place);
}

void StatisticWriters<SpecificitiesStatistic>::writeJson(JsonWriter& json, const SpecificityReport& report)
{
    json.beginObject();
    writeFigureMembers(json, SpecificitiesStatistic::textSizes, report);
    json.member("threshold", report.threshold);
    if (report.ofLemmas)
        json.member("unit", std::string_view("lemmas"));
    json.key("forms").beginArray();
    for (const SpecificForm& form : report.forms)
        json.beginObject()
            .member("form", std::string_view(form.form))
            .member("f1", form.f1)
            .member("f2", form.f2)
            .key("specificity")
            .value(exactNumber(form.specificity))
            .key("g2")
            .value(exactNumber(form.g2))
            .key("logRatio")
            .value(exactNumber(form.logRatio))
            .endObject();
    json.endArray().endObject();
}

void StatisticWriters<SpecificitiesStatistic>::writeCsv(CsvWriter& csv, const SpecificityReport& report)
{
    beginCsvTable(csv, table);
    for (std::size_t place = 0; place < report.forms.size(); ++place)
        if (report.isSpecific(report.forms[place]))
            writeCsvRow(csv, table.columns, report.forms[place], place);
    csv.endTable();
}

} // namespace quorvelle::cli
