// The frequency-based statistics and the comparison as their windows show them: totals
// under their captions, the rows of the result lists, and every listing of the result box
// (the command line has no clicks, so each row's listing is printed under a heading).
#include "cli/frequency_output.h"

#include "cli/french_text.h"
#include "cli/table_output.h"
#include "cli/vocabulary_output.h"
#include "core/catalogue/statistics_catalogue.h"
#include "core/presentation/french_messages.h"

#include <string>
#include <string_view>

namespace quorvelle::cli {
namespace {

/// The heading of a listing, after an empty line.
void writeHeading(std::ostream& out, std::string_view heading)
{
    out << '\n' << heading << '\n';
}

} // namespace

void writeText(std::ostream& out, const FrequencyReport& report)
{
    writeTitle(out, FrequenciesStatistic::info.title);
    writeTotal(out, french::totalFormsCaption, report.tokenCount);
    writeTotal(out, french::distinctFormsCaption, report.distinctCount);
    writeTotal(out, french::meanFrequencyCaption, frenchNumber(report.meanFrequency));
    out << '\n';
    writeTextTable(out, FrequenciesStatistic::table.columns, report.rows);
    for (const FrequencyRow& row : report.rows) {
        writeHeading(out, "Forme(s) attestée(s) " + std::to_string(row.frequency) + " fois");
        ResultListing listing(terminalLineEnd);
        for (const FormCount& form : report.formsOf(row))
            listing.addForm(form.form);
        writeListing(out, listing);
    }
}

void writeJson(JsonWriter& json, const FrequencyReport& report)
{
    json.beginObject()
        .member("tokenCount", report.tokenCount)
        .member("distinctCount", report.distinctCount)
        .member("meanFrequency", report.meanFrequency)
        .key("rows");
    writeJsonRows(json, FrequenciesStatistic::table.columns, report.rows);
    json.key("forms").beginObject();
    for (const FrequencyRow& row : report.rows) {
        json.key(std::to_string(row.frequency)).beginArray();
        for (const FormCount& form : report.formsOf(row))
            json.text(form.form);
        json.endArray();
    }
    json.endObject().endObject();
}

void writeCsv(CsvWriter& csv, const FrequencyReport& report)
{
    writeCsvTable(csv, FrequenciesStatistic::table, report.rows);
    csv.beginTable("Formes par fréquence d'attestation", {FrequenciesStatistic::table.columns[0].heading, "Forme"});
    for (const FrequencyRow& row : report.rows)
        for (const FormCount& form : report.formsOf(row))
            csv.row(row.frequency, form.form);
    csv.endTable();
}

void writeText(std::ostream& out, const CooccurrenceReport& report)
{
    writeTitle(out, CooccurrencesStatistic::info.title);
    writeTotal(out, french::formCountCaption, report.tokenCount);
    out << '\n';
    writeTextTable(out, CooccurrencesStatistic::table.columns, report.rows);
    for (const CooccurrenceRow& row : report.rows) {
        writeHeading(out, "Cooccurrences attestées " + std::to_string(row.count) + " fois");
        writeFormLines(out, report.pairsOf(row));
    }
    writeHeading(out, "Toutes les cooccurrences par ordre alphabétique");
    writeFormLines(out, report.pairs);
    writeHeading(out, "Toutes les cooccurrences par nombre d'attestations");
    writeFormLines(out, report.pairsByCount());
}

void writeJson(JsonWriter& json, const CooccurrenceReport& report)
{
    json.beginObject().key("tokenCount").integer(report.tokenCount).key("pairs");
    writeJson(json, report.pairs);
    json.key("rows");
    writeJsonRows(json, CooccurrencesStatistic::table.columns, report.rows);
    json.key("byCount");
    writeJson(json, report.pairsByCount());
    json.endObject();
}

void writeCsv(CsvWriter& csv, const CooccurrenceReport& report)
{
    writeCsvTable(csv, CooccurrencesStatistic::table, report.rows);
    csv.beginTable("Toutes les cooccurrences par ordre alphabétique", {"Cooccurrence", "Nombre d'attestations"});
    for (const FormCount& pair : report.pairs)
        csv.row(pair.form, pair.count);
    csv.endTable();
}

void writeText(std::ostream& out, const SentenceListing& listing)
{
    const SentenceTotals totals = sentenceTotals(listing.text, listing.letters);
    writeTitle(out, SentenceLengthsStatistic::info.title);
    writeTotal(out, french::sentenceCountCaption, totals.sentenceCount);
    writeTotal(out, french::formCountCaption, totals.tokenCount);
    writeTotal(out, french::meanSentenceLengthCaption, frenchNumber(totals.meanLength));
    out << '\n';
    const std::span<const Column<SentenceRecord>> columns = SentenceLengthsStatistic::table.columns;
    writeTextHeadings(out, columns);
    std::size_t place = 0;
    forEachSentence(listing.text, listing.letters,
                    [&](const SentenceRecord& sentence) { writeTextRow(out, columns, sentence, place++); });
    std::int64_t number = 0;
    forEachSentence(listing.text, listing.letters, [&](const SentenceRecord& sentence) {
        writeHeading(out, "Phrase " + std::to_string(++number));
        writeCp1252(out, sentence.text);
        out << '\n';
    });
}

void writeJson(JsonWriter& json, const SentenceListing& listing)
{
    const SentenceTotals totals = sentenceTotals(listing.text, listing.letters);
    json.beginObject()
        .member("sentenceCount", totals.sentenceCount)
        .member("tokenCount", totals.tokenCount)
        .member("meanLength", totals.meanLength)
        .key("sentences")
        .beginArray();
    std::int64_t number = 0;
    forEachSentence(listing.text, listing.letters, [&](const SentenceRecord& sentence) {
        json.beginArray()
            .integer(++number)
            .text(sentence.terminator())
            .integer(sentence.formCount)
            .text(sentence.text)
            .endArray();
    });
    json.endArray().endObject();
}

void writeCsv(CsvWriter& csv, const SentenceListing& listing)
{
    // Each row ends with the sentence's text, which the window shows when the row is chosen.
    beginCsvTable(csv, SentenceLengthsStatistic::table, {"Phrase"});
    std::size_t place = 0;
    forEachSentence(listing.text, listing.letters, [&](const SentenceRecord& sentence) {
        writeCsvRow(csv, SentenceLengthsStatistic::table.columns, sentence, place++, sentence.text);
    });
    csv.endTable();
}

void writeText(std::ostream& out, const EnrichmentReport& report)
{
    writeTitle(out, EnrichmentStatistic::info.title);
    writeTotal(out, french::formCountCaption, report.tokenCount);
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

void writeJson(JsonWriter& json, const EnrichmentReport& report)
{
    json.beginObject().key("tokenCount").integer(report.tokenCount).key("slices");
    writeJsonRows(json, EnrichmentStatistic::table.columns, report.slices);
    json.key("knownForms").beginArray();
    for (const KnownForm& form : report.knownForms)
        json.beginArray().text(form.form).integer(form.attestations).integer(form.firstSlice).endArray();
    json.endArray().endObject();
}

void writeCsv(CsvWriter& csv, const EnrichmentReport& report)
{
    writeCsvTable(csv, EnrichmentStatistic::table, report.slices);
    csv.beginTable("Formes nouvelles par tranche", {"Tranche", "Forme", "Nombre d'attestations dans la tranche"});
    for (const KnownForm& form : report.knownForms)
        csv.row(form.firstSlice, form.form, form.attestations);
    csv.endTable();
}

void writeText(std::ostream& out, const VocabularyComparison& comparison)
{
    writeTitle(out, ComparisonStatistic::info.title);
    using namespace french;
    writeTotal(out, tokenCount1Caption, comparison.text1.tokenCount);
    writeTotal(out, tokenCount2Caption, comparison.text2.tokenCount);
    writeTotal(out, distinctCount1Caption, comparison.text1.distinctCount);
    writeTotal(out, distinctCount2Caption, comparison.text2.distinctCount);
    out << commonCountCaption << comparison.commonCount << '\n'
        << amountingTo << '\n'
        << frenchNumber(comparison.commonShare1) << commonShare1Caption << '\n'
        << frenchNumber(comparison.commonShare2) << commonShare2Caption << '\n'
        << representing << '\n'
        << forText1 << ' ' << comparison.commonTokens1 << ' ' << attestationsOr
        << frenchNumber(comparison.commonTokenShare1) << tokenShareCaption << '\n'
        << forText2 << ' ' << comparison.commonTokens2 << ' ' << attestationsOr
        << frenchNumber(comparison.commonTokenShare2) << tokenShareCaption << '\n';
    const auto writeProper = [&out](std::string_view heading, std::int64_t count, const std::optional<double>& share,
                                    std::int64_t tokens, const std::optional<double>& tokenShare) {
        out << '\n'
            << heading << '\n'
            << properCountCaption << count << '\n'
            << amountingTo << '\n'
            << frenchNumber(share) << properShareCaption << '\n'
            << representing << '\n'
            << tokens << ' ' << attestationsOr << frenchNumber(tokenShare) << tokenShareCaption << '\n';
    };
    writeProper(text1Heading, comparison.properCount1, comparison.properShare1, comparison.properTokens1,
                comparison.properTokenShare1);
    writeProper(text2Heading, comparison.properCount2, comparison.properShare2, comparison.properTokens2,
                comparison.properTokenShare2);

    writeHeading(out, "Formes communes");
    ResultListing commonForms(terminalLineEnd);
    for (const CommonForm& form : comparison.commonForms)
        commonForms.addCommonForm(form.form, form.count1, form.count2);
    writeListing(out, commonForms);
    writeHeading(out, "Formes propres au texte n°1");
    writeFormLines(out, comparison.properForms1);
    writeHeading(out, "Formes propres au texte n°2");
    writeFormLines(out, comparison.properForms2);
}

void writeJson(JsonWriter& json, const VocabularyComparison& comparison)
{
    const auto writeTotals = [&json](std::string_view name, const TextVocabulary& text) {
        json.key(name)
            .beginObject()
            .member("tokenCount", text.tokenCount)
            .member("distinctCount", text.distinctCount)
            .endObject();
    };
    json.beginObject();
    writeTotals("text1", comparison.text1);
    writeTotals("text2", comparison.text2);
    json.member("commonCount", comparison.commonCount)
        .member("properCount1", comparison.properCount1)
        .member("properCount2", comparison.properCount2)
        .member("commonTokens1", comparison.commonTokens1)
        .member("commonTokens2", comparison.commonTokens2)
        .member("properTokens1", comparison.properTokens1)
        .member("properTokens2", comparison.properTokens2)
        .member("commonShare1", comparison.commonShare1)
        .member("commonShare2", comparison.commonShare2)
        .member("properShare1", comparison.properShare1)
        .member("properShare2", comparison.properShare2)
        .member("commonTokenShare1", comparison.commonTokenShare1)
        .member("commonTokenShare2", comparison.commonTokenShare2)
        .member("properTokenShare1", comparison.properTokenShare1)
        .member("properTokenShare2", comparison.properTokenShare2)
        .key("commonForms");
    writeJsonRows(json, ComparisonStatistic::table.columns, comparison.commonForms);
    json.key("properForms1");
    writeJson(json, comparison.properForms1);
    json.key("properForms2");
    writeJson(json, comparison.properForms2);
    json.endObject();
}

void writeCsv(CsvWriter& csv, const VocabularyComparison& comparison)
{
    const VocabularyComparison& c = comparison;
    csv.beginTable(ComparisonStatistic::info.title, {"", "Texte n°1", "Texte n°2"});
    const auto figure = [&csv](std::string_view caption, const auto& value1, const auto& value2) {
        csv.row(Utf8Field{caption}, value1, value2);
    };
    figure("Nombre total de formes", c.text1.tokenCount, c.text2.tokenCount);
    figure("Nombre total de formes différentes", c.text1.distinctCount, c.text2.distinctCount);
    figure("Formes différentes communes", c.commonCount, c.commonCount);
    figure("% du total des formes différentes", c.commonShare1, c.commonShare2);
    figure("Attestations des formes communes", c.commonTokens1, c.commonTokens2);
    figure("% du total des attestations", c.commonTokenShare1, c.commonTokenShare2);
    figure("Formes différentes propres", c.properCount1, c.properCount2);
    figure("% du total des formes différentes", c.properShare1, c.properShare2);
    figure("Attestations des formes propres", c.properTokens1, c.properTokens2);
    figure("% du total des attestations", c.properTokenShare1, c.properTokenShare2);
    csv.endTable();
    writeCsvTable(csv, ComparisonStatistic::table, formsOfEitherText(comparison));
}

} // namespace quorvelle::cli
