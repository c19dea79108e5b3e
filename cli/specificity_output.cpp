// The specificities on the command line.
#include "cli/specificity_output.h"

#include "cli/french_text.h"
#include "cli/table_output.h"
#include "core/catalogue/statistics_catalogue.h"

namespace quorvelle::cli {
namespace {

constexpr auto& table = SpecificitiesStatistic::table;

} // namespace

void writeText(std::ostream& out, const SpecificityReport& report)
{
    writeTitle(out, table.title);
    writeTotal(out, "Formes du texte n°1 :", report.n1);
    writeTotal(out, "Formes du texte n°2 :", report.n2);
    writeTotal(out, "Seuil de spécificité :", frenchNumber(report.threshold));
    writeTotal(out, "Formes spécifiques du texte n°1 :", report.overUsedIn1());
    writeTotal(out, "Formes spécifiques du texte n°2 :", report.overUsedIn2());
    out << '\n';
    writeTextHeadings(out, table.columns);
    for (std::size_t place = 0; place < report.forms.size(); ++place)
        if (report.isSpecific(report.forms[place]))
            writeTextRow(out, table.columns, report.forms[place], place);
}

void writeJson(JsonWriter& json, const SpecificityReport& report)
{
    json.beginObject().member("n1", report.n1).member("n2", report.n2).member("threshold", report.threshold);
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

void writeCsv(CsvWriter& csv, const SpecificityReport& report)
{
    beginCsvTable(csv, table);
    for (std::size_t place = 0; place < report.forms.size(); ++place)
        if (report.isSpecific(report.forms[place]))
            writeCsvRow(csv, table.columns, report.forms[place], place);
    csv.endTable();
}

} // namespace quorvelle::cli
