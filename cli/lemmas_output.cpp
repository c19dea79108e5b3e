// The lemmas and categories on the command line.
#include "cli/lemmas_output.h"

#include "cli/french_text.h"
#include "cli/table_output.h"

namespace quorvelle::cli {

namespace {

constexpr std::string_view wordsCaption = "Mots lus :";

void writeFormCounts(JsonWriter& json, const std::vector<FormCount>& forms)
{
    json.beginArray();
    for (const FormCount& form : forms)
        json.textAndCount(form.form, form.count);
    json.endArray();
}

} // namespace

void StatisticWriters<LemmasStatistic>::writeText(std::ostream& out, const LemmaReport& report)
{
    writeTitle(out, LemmasStatistic::info.title);
    writeTotal(out, wordsCaption, report.wordCount);
    writeTotal(out, "Lemmes :", report.lemmas.size());
    writeHeading(out, LemmasStatistic::categoryTable.title);
    writeTextTable(out, LemmasStatistic::categoryTable.columns, report.categories);
    writeHeading(out, "Lemmes");
    writeTextTable(out, LemmasStatistic::table.columns, report.lemmas);
    if (!report.unknown.empty()) {
        writeHeading(out, "Formes inconnues du dictionnaire");
        for (const FormCount& form : report.unknown) {
            writeCp1252(out, form.form);
            out << ' ' << form.count << '\n';
        }
    }
}

void StatisticWriters<LemmasStatistic>::writeJson(JsonWriter& json, const LemmaReport& report)
{
    json.beginObject().member("words", report.wordCount).key("lemmas").beginArray();
    for (const LemmaRow& row : report.lemmas) {
        json.beginObject()
            .member("lemma", row.lemma)
            .member("category", categoryName(row.category))
            .member("count", row.count)
            .key("forms");
        writeFormCounts(json, row.forms);
        json.member("ambiguous", row.ambiguous).key("alternatives").beginArray();
        for (const Lemma& other : row.alternatives)
            json.beginArray().text(other.lemma).text(categoryName(other.category)).endArray();
        json.endArray().endObject();
    }
    json.endArray().key("categories").beginArray();
    for (const CategoryRow& category : report.categories)
        json.beginObject()
            .member("category", categoryName(category.category))
            .member("count", category.count)
            .member("distinct", category.distinct)
            .member("share", category.share)
            .endObject();
    json.endArray().key("unknown");
    writeFormCounts(json, report.unknown);
    json.endObject();
}

void StatisticWriters<LemmasStatistic>::writeCsv(CsvWriter& csv, const LemmaReport& report)
{
    writeCsvTable(csv, LemmasStatistic::table, report.lemmas);
    writeCsvTable(csv, LemmasStatistic::categoryTable, report.categories);
}

} // namespace quorvelle::cli
