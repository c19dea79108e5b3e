// The frequency-based statistics and the comparison as their windows show them: totals
// under their captions, the rows of the result lists, and every listing of the result box
// (the command line has no clicks, so each row's listing is printed under a heading).
#include "cli/frequency_output.h"

#include "cli/french_text.h"
#include "cli/table_output.h"
#include "cli/vocabulary_output.h"
#include "core/presentation/french_messages.h"
#include "core/statistics/comparison_figures.h"
#include "core/statistics/comparison_statistic.h"
#include "core/statistics/cooccurrences_statistic.h"
#include "core/statistics/enrichment_statistic.h"
#include "core/statistics/frequencies_statistic.h"
#include "core/statistics/sentence_lengths_statistic.h"

#include <string>
#include <string_view>
#include <utility>
#include <variant>

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
    writeFigures(out, FrequenciesStatistic::figures, report);
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
    json.beginObject();
    writeFigureMembers(json, FrequenciesStatistic::figures, report);
    json.key("rows");
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
    writeFigures(out, SentenceLengthsStatistic::figures, totals);
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
    json.beginObject();
    writeFigureMembers(json, SentenceLengthsStatistic::figures, totals);
    json.key("sentences").beginArray();
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

void writeJson(JsonWriter& json, const EnrichmentReport& report)
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
    const auto& [text1, text2] = comparison.texts;
    writeTotal(out, tokenCount1Caption, text1.vocabulary.tokenCount);
    writeTotal(out, tokenCount2Caption, text2.vocabulary.tokenCount);
    writeTotal(out, distinctCount1Caption, text1.vocabulary.distinctCount);
    writeTotal(out, distinctCount2Caption, text2.vocabulary.distinctCount);
    out << commonCountCaption << comparison.commonCount << '\n'
        << amountingTo << '\n'
        << frenchNumber(text1.commonShare) << commonShare1Caption << '\n'
        << frenchNumber(text2.commonShare) << commonShare2Caption << '\n'
        << representing << '\n'
        << forText1 << ' ' << text1.commonTokens << ' ' << attestationsOr << frenchNumber(text1.commonTokenShare)
        << tokenShareCaption << '\n'
        << forText2 << ' ' << text2.commonTokens << ' ' << attestationsOr << frenchNumber(text2.commonTokenShare)
        << tokenShareCaption << '\n';
    for (const auto& [heading, text] : {std::pair{text1Heading, &text1}, std::pair{text2Heading, &text2}})
        out << '\n'
            << heading << '\n'
            << properCountCaption << text->properCount << '\n'
            << amountingTo << '\n'
            << frenchNumber(text->properShare) << properShareCaption << '\n'
            << representing << '\n'
            << text->properTokens << ' ' << attestationsOr << frenchNumber(text->properTokenShare) << tokenShareCaption
            << '\n';

    writeHeading(out, "Formes communes");
    ResultListing commonForms(terminalLineEnd);
    for (const CommonForm& form : comparison.commonForms)
        commonForms.addCommonForm(form.form, form.counts[0], form.counts[1]);
    writeListing(out, commonForms);
    writeHeading(out, "Formes propres au texte n°1");
    writeFormLines(out, text1.properForms);
    writeHeading(out, "Formes propres au texte n°2");
    writeFormLines(out, text2.properForms);
}

void writeJson(JsonWriter& json, const VocabularyComparison& comparison)
{
    json.beginObject();
    for (std::size_t side = 0; side < comparison.texts.size(); ++side) {
        json.key(std::string("text").append(sideNumber(side))).beginObject();
        for (const ComparedFigure* figure : comparedTextTotals)
            json.key(figure->id).figure(figure->value(comparison.texts[side]), figure->format);
        json.endObject();
    }
    json.key(commonCountFigure.jsonKey).figure(commonCountFigure.value(comparison), commonCountFigure.format);
    for (const ComparedFigure* figure : comparedFiguresByKind)
        for (std::size_t side = 0; side < comparison.texts.size(); ++side)
            json.key(std::string(figure->id).append(sideNumber(side)))
                .figure(figure->value(comparison.texts[side]), figure->format);
    json.key("commonForms");
    writeJsonRows(json, ComparisonStatistic::table.columns, comparison.commonForms);
    for (std::size_t side = 0; side < comparison.texts.size(); ++side) {
        json.key(std::string("properForms").append(sideNumber(side)));
        writeJson(json, comparison.texts[side].properForms);
    }
    json.endObject();
}

void writeCsv(CsvWriter& csv, const VocabularyComparison& comparison)
{
    csv.beginTable(ComparisonStatistic::info.title, {"", "Texte n°1", "Texte n°2"});
    const ComparedText& text1 = comparison.texts[0];
    const ComparedText& text2 = comparison.texts[1];
    const auto row = [&](const ComparedFigure& figure) {
        std::visit([&](const auto& first, const auto& second) { csv.row(Utf8Field{figure.caption}, first, second); },
                   figure.value(text1), figure.value(text2));
    };
    for (const ComparedFigure* figure : comparedTextTotals)
        row(*figure);
    csv.row(Utf8Field{commonCountFigure.caption}, comparison.commonCount, comparison.commonCount);
    for (const ComparedFigure* figure : commonFormFigures)
        row(*figure);
    for (const ComparedFigure* figure : properFormFigures)
        row(*figure);
    csv.endTable();
    writeCsvTable(csv, ComparisonStatistic::table, formsOfEitherText(comparison));
}

} // namespace quorvelle::cli
