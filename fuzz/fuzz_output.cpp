// libFuzzer target: the writers and the inputs of the concordance and the richness. Arbitrary
// bytes give a context width, a letter rule, a form and a text; every statistic of the catalogue is then
// written as JSON, which must parse, and as CSV, which must be UTF-8 ending its last table;
// the concordance, a query of patterns and the richness keep their invariants.
#include "cli/concordance_output.h"
#include "cli/csv_writer.h"
#include "cli/json_writer.h"
#include "cli/statistics.h"
#include "core/reports/concordance.h"
#include "core/reports/concordance_order.h"
#include "core/reports/richness_report.h"
#include "core/reports/vocabulary_report.h"
#include "core/text/encoding.h"
#include "core/text/letters.h"
#include "core/text/tokenized_text.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
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

// JSON written by write must parse; returns it.
template <class Write>
nlohmann::json parsedJson(Write write)
{
    std::ostringstream out;
    quorvelle::cli::JsonWriter json(out);
    write(json);
    nlohmann::json parsed = nlohmann::json::parse(out.str(), nullptr, false);
    require(!parsed.is_discarded());
    return parsed;
}

// CSV written by write must be UTF-8 and end its last table with an empty line.
template <class Write>
void checkCsv(Write write)
{
    std::ostringstream out;
    quorvelle::cli::CsvWriter csv(out);
    write(csv);
    const std::string written = out.str();
    require(quorvelle::isStrictUtf8(written));
    require(written.size() >= 4 && written.ends_with("\r\n\r\n"));
}

void checkConcordance(std::string_view text, std::string_view form, std::size_t width, quorvelle::LetterRule letters)
{
    const quorvelle::Concordance found =
        quorvelle::concordance(text, form, {width, quorvelle::ContextUnit::Characters}, letters);
    const quorvelle::VocabularyReport vocabulary =
        quorvelle::vocabularyReport(quorvelle::tokenize(text, quorvelle::Occurrences::Kept, letters));
    const auto counted = std::ranges::find(vocabulary.alphabetical, form, &quorvelle::FormCount::form);
    require(static_cast<std::int64_t>(found.occurrences.size())
            == (counted == vocabulary.alphabetical.end() ? 0 : counted->count));
    std::int64_t line = 1;
    for (const quorvelle::ConcordanceLine& occurrence : found.occurrences) {
        require(occurrence.left.size() <= width && occurrence.right.size() <= width);
        require(occurrence.line >= line);
        line = occurrence.line;
    }
    // Sorted by every key in turn, and in forms: every occurrence once, the same occurrences.
    const quorvelle::ConcordanceKey keys[] = {quorvelle::ConcordanceKey::ThirdLeft, quorvelle::ConcordanceKey::Pivot,
                                              quorvelle::ConcordanceKey::SecondRight};
    std::vector<std::size_t> order = quorvelle::concordanceOrder(found, keys);
    std::ranges::sort(order);
    for (std::size_t place = 0; place < order.size(); ++place)
        require(order[place] == place);
    const quorvelle::Concordance inForms =
        quorvelle::concordance(text, form, {width, quorvelle::ContextUnit::Forms}, letters);
    require(inForms.occurrences.size() == found.occurrences.size());
    for (std::size_t place = 0; place < found.occurrences.size(); ++place)
        require(inForms.occurrences[place].start == found.occurrences[place].start
                && inForms.occurrences[place].end == found.occurrences[place].end);
    const nlohmann::json json = parsedJson([&](quorvelle::cli::JsonWriter& writer) { writeJson(writer, found); });
    require(json.at("count") == found.occurrences.size());
    checkCsv([&](quorvelle::cli::CsvWriter& csv) { writeCsv(csv, found); });
}

// The first line as a query of patterns, read either way: refused with a message, or its
// occurrences all matches of it, as many as its matches count, and its JSON valid.
void checkQuery(std::string_view text, std::string_view query, std::size_t width, quorvelle::LetterRule letters)
{
    const quorvelle::TokenizedText tokens = quorvelle::tokenize(text, quorvelle::Occurrences::Kept, letters);
    for (const auto syntax : {quorvelle::PatternSyntax::Wildcards, quorvelle::PatternSyntax::RegularExpression}) {
        try {
            const std::vector<quorvelle::FormPattern> patterns = quorvelle::formQuery(query, syntax, letters);
            const quorvelle::Concordance found =
                quorvelle::queryConcordance(text, tokens, patterns, query, {width, quorvelle::ContextUnit::Characters});
            std::int64_t matched = 0;
            for (const quorvelle::FormCount& match : found.matches)
                matched += match.count;
            require(matched == static_cast<std::int64_t>(found.occurrences.size()));
            if (!patterns.empty() && found.occurrences.empty())
                require(quorvelle::closestForms(tokens, patterns.front().letters()).size() <= 5);
            parsedJson([&](quorvelle::cli::JsonWriter& writer) { writeJson(writer, found); });
        } catch (const quorvelle::PatternError& error) {
            require(quorvelle::isStrictUtf8(error.what()));
        }
    }
}

void checkRichness(std::string_view text)
{
    const quorvelle::RichnessReport report = quorvelle::richnessReport(text);
    require(0 <= report.hapaxCount && report.hapaxCount <= report.distinctCount
            && report.distinctCount <= report.tokenCount);
    require(report.ttr.has_value() == (report.tokenCount > 0));
    for (const std::optional<double>& measure :
         {report.ttr, report.guiraud, report.herdan, report.yuleK, report.simpsonD, report.honoreR, report.hapaxPerForm,
          report.hapaxPerToken, report.mattr, report.mtld})
        require(!measure || std::isfinite(*measure));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::size_t width = data[0] % 64;
    const quorvelle::LetterRule letters =
        data[0] & 0x80 ? quorvelle::LetterRule::Extended : quorvelle::LetterRule::Classic;
    const quorvelle::Alphabet& alphabet = quorvelle::Alphabet::of(letters);
    // The form: the letters of the first line, lower-cased, "de" when there are none.
    const std::size_t lineEnd = std::min(bytes.find('\n'), std::size_t{32});
    std::string form;
    for (const char c : std::string_view(bytes).substr(0, lineEnd))
        if (alphabet.isLetter(c))
            form.push_back(alphabet.toLower(c));
    if (form.empty())
        form = "de";
    const std::string text = quorvelle::decodeText(bytes, quorvelle::Encoding::Auto);

    checkConcordance(text, form, width, letters);
    checkQuery(text, quorvelle::decodeText(bytes.substr(0, lineEnd), quorvelle::Encoding::Auto), width, letters);
    checkRichness(text);
    const quorvelle::AnalysedTexts texts(text, text, letters);
    const quorvelle::cli::Presentation presentation;
    for (const quorvelle::cli::Statistic& statistic : quorvelle::cli::statistics()) {
        parsedJson([&](quorvelle::cli::JsonWriter& json) { statistic.writeJson(texts, presentation, json); });
        checkCsv([&](quorvelle::cli::CsvWriter& csv) { statistic.writeCsv(texts, presentation, csv); });
    }
    return 0;
}
