// The richness measures on the command line.
#include "cli/richness_output.h"

#include "cli/french_text.h"

namespace quorvelle::cli {

void writeText(std::ostream& out, const RichnessReport& report)
{
    writeTitle(out, "Statistiques  -  La richesse du vocabulaire");
    writeTotal(out, richnessTokenCountCaption, report.tokenCount);
    writeTotal(out, richnessDistinctCountCaption, report.distinctCount);
    writeTotal(out, richnessHapaxCountCaption, report.hapaxCount);
    out << '\n';
    for (const RichnessMeasure& measure : richnessMeasures)
        out << measure.name << " : " << frenchMeasure(report.*measure.value) << "  (" << measure.formula << ")\n";
}

void writeCsv(CsvWriter& csv, const RichnessReport& report)
{
    const auto withoutColon = [](std::string_view caption) {
        return Utf8Field{caption.substr(0, caption.rfind(" :"))};
    };
    csv.beginTable("Statistiques  -  La richesse du vocabulaire", {"Mesure", "Valeur", "Formule"});
    csv.row(withoutColon(richnessTokenCountCaption), report.tokenCount, Utf8Field{"N"});
    csv.row(withoutColon(richnessDistinctCountCaption), report.distinctCount, Utf8Field{"V"});
    csv.row(withoutColon(richnessHapaxCountCaption), report.hapaxCount, Utf8Field{"V1"});
    for (const RichnessMeasure& measure : richnessMeasures)
        csv.row(Utf8Field{measure.name}, report.*measure.value, Utf8Field{measure.formula});
    csv.endTable();
}

void writeJson(JsonWriter& json, const RichnessReport& report)
{
    json.beginObject()
        .member("tokenCount", report.tokenCount)
        .member("distinctCount", report.distinctCount)
        .member("hapaxCount", report.hapaxCount);
    for (const RichnessMeasure& measure : richnessMeasures)
        json.key(measure.jsonKey).value(exactNumber(report.*measure.value));
    json.endObject();
}

} // namespace quorvelle::cli
