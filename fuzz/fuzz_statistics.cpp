// libFuzzer target: arbitrary bytes through decoding, segmentation and every statistic,
// with the invariants the reports must keep whatever the input.
#include "cli/comparison_output.h"
#include "cli/cooccurrences_output.h"
#include "cli/counts_output.h"
#include "cli/doubled_letters_output.h"
#include "cli/edge_letters_output.h"
#include "cli/enrichment_output.h"
#include "cli/frequencies_output.h"
#include "cli/json_writer.h"
#include "cli/lemmas_output.h"
#include "cli/lengths_output.h"
#include "cli/letter_pairs_output.h"
#include "cli/letters_output.h"
#include "cli/sentences_output.h"
#include "cli/statistic_writers.h"
#include "cli/vocabulary_output.h"
#include "core/lemmas/lemma_report.h"
#include "core/lemmas/lemma_tokens.h"
#include "core/presentation/chart_data.h"
#include "core/presentation/print_layout.h"
#include "core/reports/character_counts.h"
#include "core/reports/repeated_segments.h"
#include "core/reports/vocabulary_report.h"
#include "core/text/encoding.h"
#include "core/text/segmentation.h"
#include "core/text/tokenized_text.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void checkFrequencies(const quorvelle::FrequencyReport& report, std::int64_t words)
{
    require(report.tokenCount == words);
    require(report.distinctCount == static_cast<std::int64_t>(report.forms.size()));
    require(report.byFrequency.size() == report.forms.size());
    require(report.meanFrequency.has_value() == (report.distinctCount > 0));
    std::int64_t forms = 0;
    std::int64_t occurrences = 0;
    for (std::size_t index = 0; index < report.rows.size(); ++index) {
        const quorvelle::FrequencyRow& row = report.rows[index];
        require(index == 0 || report.rows[index - 1].frequency > row.frequency);
        require(row.formCount > 0 && report.spectrum.at(static_cast<std::size_t>(row.frequency)) == row.formCount);
        for (const quorvelle::FormCount& form : report.formsOf(row))
            require(form.count == row.frequency);
        forms += row.formCount;
        occurrences += row.frequency * row.formCount;
    }
    require(forms == report.distinctCount && occurrences == report.tokenCount);
}

void checkCooccurrences(const quorvelle::CooccurrenceReport& report, std::int64_t words)
{
    require(report.tokenCount == words);
    require(report.byCount.size() == report.pairs.size());
    std::int64_t occurrences = 0;
    for (const quorvelle::FormCount& pair : report.pairs) {
        require(pair.count >= 2 && pair.form.find(' ') != std::string::npos);
        occurrences += pair.count;
    }
    require(occurrences <= std::max<std::int64_t>(words - 1, 0));
    std::size_t listed = 0;
    for (std::size_t index = 0; index < report.rows.size(); ++index) {
        const quorvelle::CooccurrenceRow& row = report.rows[index];
        require(index == 0 || report.rows[index - 1].count < row.count);
        require(row.firstPair == listed);
        for (const quorvelle::FormCount& pair : report.pairsOf(row))
            require(pair.count == row.count);
        listed += static_cast<std::size_t>(row.pairCount);
    }
    require(listed == report.pairs.size());
}

void checkSentences(const quorvelle::SentenceReport& report, std::string_view text, std::int64_t words)
{
    require(report.sentenceCount == static_cast<std::int64_t>(report.sentences.size()));
    require(report.meanLength.has_value() == (report.sentenceCount > 0));
    std::int64_t forms = 0;
    std::size_t end = 0; // the sentences follow each other from the start of the text
    for (const quorvelle::SentenceRecord& sentence : report.sentences) {
        require(sentence.text.data() == text.data() + end);
        end += sentence.text.size();
        const std::string_view terminator = sentence.terminator();
        const bool closedByTheEnd = terminator.empty();
        require(closedByTheEnd ? &sentence == &report.sentences.back() && end == text.size()
                               : terminator == sentence.text.substr(sentence.text.size() - 1));
        require(closedByTheEnd || terminator == "." || terminator == "?" || terminator == "!");
        forms += sentence.formCount;
    }
    require(forms == report.tokenCount && forms == words);
}

void checkEnrichment(const quorvelle::EnrichmentReport& report, std::int64_t words, std::size_t distinct)
{
    require(report.tokenCount == words);
    const std::int64_t size = quorvelle::enrichmentSliceSize;
    require(static_cast<std::int64_t>(report.slices.size()) == (words + size - 1) / size);
    require(report.knownForms.size() == distinct);
    std::size_t listed = 0;
    for (const quorvelle::EnrichmentSlice& slice : report.slices) {
        require(slice.firstNewForm == listed && slice.newFormCount <= size);
        for (const quorvelle::KnownForm& form : report.newFormsOf(slice))
            require(form.firstSlice == slice.number && form.attestations >= 1 && form.attestations <= size);
        listed += static_cast<std::size_t>(slice.newFormCount);
    }
    require(listed == distinct);
}

void checkComparison(const quorvelle::VocabularyComparison& c)
{
    require(c.commonCount == static_cast<std::int64_t>(c.commonForms.size()));
    for (const quorvelle::ComparedText& text : c.texts) {
        require(text.properCount == static_cast<std::int64_t>(text.properForms.size()));
        require(c.commonCount + text.properCount == text.vocabulary.distinctCount);
        require(text.commonTokens + text.properTokens == text.vocabulary.tokenCount && text.properTokens >= 0);
        require(text.commonShare.has_value() == (text.vocabulary.distinctCount > 0));
        require(text.commonTokenShare.has_value() == (text.vocabulary.tokenCount > 0));
    }
}

// The forms of a text, lower-cased, joined by one space.
std::string formsOf(std::string_view text, quorvelle::LetterRule letters)
{
    const quorvelle::Alphabet& alphabet = quorvelle::Alphabet::of(letters);
    std::string forms;
    quorvelle::forEachForm(text, alphabet, [&](std::string_view form) {
        forms += (forms.empty() ? "" : " ") + alphabet.lowerCased(form);
    });
    return forms;
}

// Repeated segments in their order, within their bounds, written as their forms; each maximal
// one of the default lengths is also among all the segments, as often.
void checkSegments(std::string_view text, const quorvelle::TokenizedText& tokens)
{
    const quorvelle::RepeatedSegmentsReport all = quorvelle::repeatedSegments(text, tokens);
    const quorvelle::RepeatedSegmentsReport maximal = quorvelle::repeatedSegments(text, tokens, {.maximalOnly = true});
    for (const quorvelle::RepeatedSegmentsReport* report : {&all, &maximal}) {
        const auto& segments = report->segments;
        for (std::size_t index = 0; index < segments.size(); ++index) {
            const quorvelle::RepeatedSegment& segment = segments[index];
            require(segment.frequency >= 2 && segment.length >= 2 && segment.length <= 8);
            require(std::ranges::count(segment.forms, ' ') == segment.length - 1);
            require(formsOf(segment.written, tokens.letters) == segment.forms);
            require(index == 0 || segments[index - 1].frequency > segment.frequency
                    || (segments[index - 1].frequency == segment.frequency
                        && segments[index - 1].length >= segment.length));
        }
    }
    for (const quorvelle::RepeatedSegment& segment : maximal.segments)
        require(std::ranges::find(all.segments, segment) != all.segments.end());
}

// A statistic's report as JSON, which throws on text that is not valid UTF-8.
template <class Statistic, class Report>
void writeJson(quorvelle::cli::JsonWriter& json, const Report& report)
{
    quorvelle::cli::StatisticWriters<Statistic>::writeJson(json, report);
}

// Both presentations of a statistic's report.
template <class Statistic, class Report>
void writeOut(quorvelle::cli::JsonWriter& json, std::ostream& out, const Report& report)
{
    writeJson<Statistic>(json, report);
    quorvelle::cli::StatisticWriters<Statistic>::writeText(out, report);
}

std::int64_t sumOfCounts(const std::vector<quorvelle::FormCount>& forms)
{
    std::int64_t total = 0;
    for (const quorvelle::FormCount& form : forms) {
        require(!form.form.empty() && form.count > 0);
        total += form.count;
    }
    return total;
}

// Overlapping occurrences of key in form: a letter, a doubled letter ("ll") or a pair.
std::int64_t occurrencesIn(std::string_view form, std::string_view key)
{
    std::int64_t count = 0;
    for (auto found = form.find(key); found != std::string_view::npos; found = form.find(key, found + 1))
        ++count;
    return count;
}

void checkLengths(const quorvelle::LengthReport& report, std::int64_t tokenCount)
{
    require(report.tokenCount == tokenCount);
    std::int64_t total = 0;
    for (std::size_t index = 0; index < report.rows.size(); ++index) {
        const quorvelle::LengthRow& row = report.rows[index];
        require(index == 0 || report.rows[index - 1].length > row.length);
        require(sumOfCounts(row.forms) == row.formCount);
        for (const quorvelle::FormCount& form : row.forms)
            require(static_cast<std::int64_t>(form.form.size()) == row.length);
        require(row.percentage >= 0 && row.percentage <= 100);
        total += row.formCount;
    }
    require(total == tokenCount);
    for (const auto direction : {quorvelle::SortDirection::Ascending, quorvelle::SortDirection::Descending}) {
        const std::vector<std::size_t> order =
            quorvelle::sortedRowOrder(report, quorvelle::LengthColumn::FormCount, direction);
        require(order.size() == report.rows.size());
        for (std::size_t index = 1; index < order.size(); ++index) {
            const std::int64_t before = report.rows[order[index - 1]].formCount;
            const std::int64_t here = report.rows[order[index]].formCount;
            require(direction == quorvelle::SortDirection::Ascending ? before <= here : before >= here);
            require(before != here || order[index - 1] < order[index]); // ties keep decreasing length
        }
    }
}

// Returns the sum over keys and rows of occurrences × forms: every occurrence of a key.
std::int64_t checkDistribution(const quorvelle::KeyDistribution& distribution)
{
    std::int64_t keyOccurrences = 0;
    for (const quorvelle::KeyRows& key : distribution.keys) {
        require(!key.rows.empty());
        for (std::size_t index = 0; index < key.rows.size(); ++index) {
            const quorvelle::OccurrenceRow& row = key.rows[index];
            require(row.occurrences >= 1 && (index == 0 || key.rows[index - 1].occurrences < row.occurrences));
            require(sumOfCounts(row.forms) == row.formCount);
            for (const quorvelle::FormCount& form : row.forms)
                require(occurrencesIn(form.form, key.key) == row.occurrences);
            keyOccurrences += row.occurrences * row.formCount;
        }
    }
    return keyOccurrences;
}

void checkEdges(const quorvelle::EdgeLetterReport& report, std::int64_t tokenCount)
{
    std::int64_t starts = 0;
    std::int64_t ends = 0;
    for (std::size_t index = 0; index < report.rows.size(); ++index) {
        const quorvelle::EdgeLetterRow& row = report.rows[index];
        require(index == 0
                || static_cast<unsigned char>(report.rows[index - 1].letter) < static_cast<unsigned char>(row.letter));
        require(row.startCount + row.endCount > 0);
        require(sumOfCounts(row.starts) == row.startCount && sumOfCounts(row.ends) == row.endCount);
        for (const quorvelle::FormCount& form : row.starts)
            require(form.form.front() == row.letter);
        for (const quorvelle::FormCount& form : row.ends)
            require(form.form.back() == row.letter);
        starts += row.startCount;
        ends += row.endCount;
    }
    require(starts == tokenCount && ends == tokenCount);
}

void checkComposition(const quorvelle::TokenizedText& tokens, std::int64_t tokenCount, quorvelle::cli::JsonWriter& json)
{
    std::int64_t letters = 0;
    std::int64_t pairs = 0;
    for (const quorvelle::FormTable::Id id : tokens.tokens) {
        letters += static_cast<std::int64_t>(tokens.forms.form(id).size());
        pairs += static_cast<std::int64_t>(tokens.forms.form(id).size()) - 1;
    }

    const quorvelle::LengthReport lengths = quorvelle::lengthReport(tokens);
    checkLengths(lengths, tokenCount);
    const quorvelle::LetterReport letterReport = quorvelle::letterReport(tokens);
    require(checkDistribution(letterReport) == letters);
    const quorvelle::DoubledLetterReport doubles = quorvelle::doubledLetterReport(tokens);
    require(checkDistribution(doubles) <= pairs);
    const quorvelle::LetterPairReport pairReport = quorvelle::letterPairReport(tokens);
    require(checkDistribution(pairReport) == pairs);
    const quorvelle::EdgeLetterReport edges = quorvelle::edgeLetterReport(tokens);
    checkEdges(edges, tokenCount);

    writeJson<quorvelle::LengthsStatistic>(json, lengths);
    writeJson<quorvelle::LettersStatistic>(json, letterReport);
    writeJson<quorvelle::DoubledLettersStatistic>(json, doubles);
    writeJson<quorvelle::LetterPairsStatistic>(json, pairReport);
    writeJson<quorvelle::StartEndLettersStatistic>(json, edges);
}

// A chart has a bar for at most each row, each a row of the table, valued above 0.
void checkChart(const quorvelle::ChartRows& chart)
{
    require(chart.bars.size() <= chart.rows.size());
    for (const std::size_t row : chart.bars)
        require(row < chart.rows.size() && chart.rows[row].cells[chart.valueColumn] != "0");
}

void checkCharts(const quorvelle::TokenizedText& tokens, const quorvelle::FrequencyReport& frequencies,
                 const quorvelle::EnrichmentReport& enrichment)
{
    std::vector<quorvelle::LengthChartRow> lengthRows;
    for (const quorvelle::LengthRow& row : quorvelle::lengthReport(tokens).rows)
        lengthRows.push_back({row.formCount, row.length});
    const quorvelle::ChartRows lengthChart = quorvelle::lengthChart(lengthRows, ',');
    checkChart(lengthChart);
    require(lengthChart.bars.size() == lengthRows.size());

    std::vector<quorvelle::CountChartRow> startRows;
    for (const quorvelle::EdgeLetterRow& row : quorvelle::edgeLetterReport(tokens).rows)
        startRows.push_back({std::string(1, row.letter), row.startCount});
    checkChart(quorvelle::countChart(startRows, quorvelle::letterLabelPrefix));

    std::vector<quorvelle::DeviationChartRow> deviationRows;
    for (const quorvelle::FrequencyRow& row : frequencies.rows)
        deviationRows.push_back({row.frequency, row.formCount, row.deviation});
    const auto positive = quorvelle::deviationSide(deviationRows, quorvelle::DeviationSide::Positive);
    const auto negative = quorvelle::deviationSide(deviationRows, quorvelle::DeviationSide::Negative);
    require(positive.size() + negative.size() >= deviationRows.size());
    checkChart(quorvelle::countChart(positive, quorvelle::numberLabelPrefix));
    checkChart(quorvelle::countChart(negative, quorvelle::numberLabelPrefix));

    std::vector<quorvelle::CountChartRow> sliceRows;
    for (const quorvelle::EnrichmentSlice& slice : enrichment.slices)
        sliceRows.push_back({std::to_string(slice.number), slice.newFormCount});
    checkChart(quorvelle::countChart(sliceRows, quorvelle::numberLabelPrefix));
}

// The printed vocabulary holds every grid row once: the header, the forms, the empty row.
void checkPrintLayout(const quorvelle::VocabularyReport& report)
{
    std::vector<quorvelle::GridRow> grid{{"Formes", "Nombre d'attestations"}};
    for (const quorvelle::FormCount& form : report.byFrequency)
        grid.push_back({form.form, std::to_string(form.count)});
    grid.push_back({});
    std::size_t rows = 0;
    for (const quorvelle::PrintPage& page : quorvelle::layoutPrintedGrid(grid)) {
        require(!page.empty() && page.size() <= quorvelle::linesPerPage + 1);
        for (const quorvelle::PrintLine& line : page)
            rows += line.kind == quorvelle::PrintLine::Kind::Row ? 1 : 0;
    }
    require(rows == grid.size() - 1);
}

// Every occurrence read as one lemma: the profile counts every word once, a lemma's
// concordance finds its attestations, and the lemmas counted as forms are the words.
void checkLemmas(const std::string& text, const quorvelle::TokenizedText& tokens)
{
    static const quorvelle::FrenchDictionary dictionary;
    const quorvelle::LemmatizedText lemmatized = quorvelle::lemmatize(text, tokens, dictionary);
    require(lemmatized.occurrenceCount() == tokens.tokens.size());
    const quorvelle::LemmaReport report = quorvelle::lemmaReport(tokens, lemmatized);
    std::int64_t words = 0;
    for (const quorvelle::CategoryRow& category : report.categories)
        words += category.count;
    require(words == report.wordCount);
    require(quorvelle::lemmaTokens(tokens, lemmatized).occurrences == report.wordCount);
    if (!report.lemmas.empty()) {
        const quorvelle::LemmaRow& first = report.lemmas.front();
        const quorvelle::Concordance found = quorvelle::lemmaConcordance(
            text, tokens, lemmatized, std::span(&first.number, 1), {10, quorvelle::ContextUnit::Characters});
        require(static_cast<std::int64_t>(found.occurrences.size()) == first.count);
    }
    std::ostringstream out;
    quorvelle::cli::JsonWriter json(out);
    writeOut<quorvelle::LemmasStatistic>(json, out, report);
}

void checkText(const std::string& text)
{
    const quorvelle::CharacterCounts counts = quorvelle::countCharacters(text);
    require(counts.alphabetic + counts.numeric + counts.special == counts.total);
    require(counts.total == static_cast<std::int64_t>(text.size()));

    const quorvelle::VocabularyReport report = quorvelle::vocabularyReport(text);
    require(report.tokenCount == counts.words);
    require(report.distinctCount == static_cast<std::int64_t>(report.alphabetical.size()));
    require(report.byFrequency.size() == report.alphabetical.size());
    require(report.meanFrequency.has_value() == (report.distinctCount > 0));
    std::int64_t total = 0;
    for (const quorvelle::FormCount& form : report.alphabetical) {
        require(!form.form.empty() && form.count > 0);
        total += form.count;
    }
    require(total == report.tokenCount);
    for (std::size_t index = 1; index < report.byFrequency.size(); ++index)
        require(report.byFrequency[index - 1].count >= report.byFrequency[index].count);

    const quorvelle::TokenizedText tokens = quorvelle::tokenize(text);
    const auto frequencies = quorvelle::frequencyReport(tokens);
    const auto cooccurrences = quorvelle::cooccurrenceReport(tokens);
    const auto sentences = quorvelle::sentenceReport(text);
    const auto enrichment = quorvelle::enrichmentReport(tokens);
    checkFrequencies(frequencies, counts.words);
    checkCooccurrences(cooccurrences, counts.words);
    checkSentences(sentences, text, counts.words);
    checkSegments(text, tokens);
    checkLemmas(text, tokens);
    require(quorvelle::sentenceTotals(text) == static_cast<const quorvelle::SentenceTotals&>(sentences));
    checkEnrichment(enrichment, counts.words, tokens.distinctCount());
    checkCharts(tokens, frequencies, enrichment);
    checkPrintLayout(report);
    // The two halves of the text compared with each other.
    const std::string_view whole(text);
    const auto comparison =
        quorvelle::vocabularyComparison(whole.substr(0, whole.size() / 2), whole.substr(whole.size() / 2));
    checkComparison(comparison);

    // JSON writing throws on text that is not valid UTF-8.
    std::ostringstream out;
    quorvelle::cli::JsonWriter json(out);
    writeJson<quorvelle::VocabularyStatistic>(json, report);
    writeJson<quorvelle::CountsStatistic>(json, counts);
    checkComposition(tokens, report.tokenCount, json);
    writeOut<quorvelle::FrequenciesStatistic>(json, out, frequencies);
    writeOut<quorvelle::CooccurrencesStatistic>(json, out, cooccurrences);
    writeOut<quorvelle::SentenceLengthsStatistic>(json, out, quorvelle::SentenceListing{text});
    writeOut<quorvelle::EnrichmentStatistic>(json, out, enrichment);
    writeOut<quorvelle::ComparisonStatistic>(json, out, comparison);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string automatic = quorvelle::decodeText(bytes, quorvelle::Encoding::Auto);
    const std::string cp1252 = quorvelle::decodeText(bytes, quorvelle::Encoding::Cp1252);
    const std::string utf8 = quorvelle::decodeText(bytes, quorvelle::Encoding::Utf8);
    // Automatic decoding reads the bytes one way or the other, so the statistics need only
    // run on the distinct readings.
    require(automatic == cp1252 || automatic == utf8);
    for (const std::string* text : {&cp1252, &utf8}) {
        if (text == &utf8 && utf8 == cp1252)
            continue;
        require(text->size() <= bytes.size());
        require(quorvelle::isStrictUtf8(quorvelle::cp1252ToUtf8(*text)));
        checkText(*text);
    }
    return 0;
}
