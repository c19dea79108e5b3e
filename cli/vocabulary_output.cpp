// The vocabulary grid in both orders.
#include "cli/vocabulary_output.h"

#include "cli/form_list_json.h"
#include "cli/french_text.h"
#include "cli/table_output.h"

namespace quorvelle::cli {

void StatisticWriters<VocabularyStatistic>::writeText(std::ostream& out, const VocabularyReport& report)
{
    writeTitle(out, VocabularyStatistic::info.title);
    writeFigures(out, VocabularyStatistic::figures, report);
    out << "\nOrdre alphabétique\n";
    writeTextTable(out, VocabularyStatistic::table.columns, report.alphabetical);
    out << "\nFréquences décroissantes\n";
    writeTextTable(out, VocabularyStatistic::table.columns, report.byFrequency);
}

void StatisticWriters<VocabularyStatistic>::writeJson(JsonWriter& json, const VocabularyReport& report)
{
    json.beginObject();
    writeFigureMembers(json, VocabularyStatistic::figures, report);
    json.key("alphabetical");
    writeJsonForms(json, report.alphabetical);
    json.key("byFrequency");
    writeJsonForms(json, report.byFrequency);
    json.endObject();
}

void StatisticWriters<VocabularyStatistic>::writeCsv(CsvWriter& csv, const VocabularyReport& report)
{
    writeCsvTable(csv, VocabularyStatistic::table, report.alphabetical);
}

} // namespace quorvelle::cli
