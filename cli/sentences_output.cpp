// The sentences as their window shows them: the totals, the table, then each sentence's text
// (the window shows one sentence at a time, on a click).
#include "cli/sentences_output.h"

#include "cli/french_text.h"
#include "cli/table_output.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace quorvelle::cli {

void StatisticWriters<SentenceLengthsStatistic>::writeText(std::ostream& out, const SentenceListing& listing)
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

void StatisticWriters<SentenceLengthsStatistic>::writeJson(JsonWriter& json, const SentenceListing& listing)
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

void StatisticWriters<SentenceLengthsStatistic>::writeCsv(CsvWriter& csv, const SentenceListing& listing)
{
    // Each row ends with the sentence's text, which the window shows when the row is chosen.
    beginCsvTable(csv, SentenceLengthsStatistic::table, {"Phrase"});
    std::size_t place = 0;
    forEachSentence(listing.text, listing.letters, [&](const SentenceRecord& sentence) {
        writeCsvRow(csv, SentenceLengthsStatistic::table.columns, sentence, place++, sentence.text);
    });
    csv.endTable();
}

} // namespace quorvelle::cli
