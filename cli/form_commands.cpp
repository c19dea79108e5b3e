// The table of form commands: each computes its report from the command line and presents it.
#include "cli/form_commands.h"

#include "cli/collocates_output.h"
#include "cli/concordance_output.h"
#include "cli/dispersion_output.h"
#include "cli/explanation_output.h"
#include "core/lemmas/lemma_report.h"
#include "core/reports/without_function_words.h"
#include "core/statistics/collocates_command.h"
#include "core/statistics/concordance_command.h"
#include "core/statistics/dispersion_command.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace quorvelle::cli {
namespace {

// The occurrences read as the command line's lemma, whatever their category.
struct LemmaOccurrences {
    TokenizedText tokens;
    LemmatizedText lemmatized;
    std::vector<LemmatizedText::Id> lemmas;
};

LemmaOccurrences occurrencesOfLemma(const Arguments& arguments, std::string_view text)
{
    TokenizedText tokens = tokenize(text, Occurrences::Kept, arguments.letters);
    LemmatizedText lemmatized = lemmatize(text, tokens, *sharedFrenchDictionary());
    std::vector<LemmatizedText::Id> lemmas = lemmasWritten(lemmatized, arguments.lemma);
    return {std::move(tokens), std::move(lemmatized), std::move(lemmas)};
}

// The occurrences of the command line's form, query or lemma, in the text's order.
Concordance occurrencesFound(const Arguments& arguments, std::string_view text)
{
    if (!arguments.query.empty())
        return searchConcordance(text, tokenize(text, Occurrences::Kept, arguments.letters), arguments.query,
                                 arguments.syntax, arguments.context);
    // A form alone is found in one pass over the text, tokenized only to say what is close.
    if (arguments.lemma.empty()) {
        Concordance result = concordance(text, arguments.form, arguments.context, arguments.letters);
        if (result.occurrences.empty())
            result.closest = closestForms(tokenize(text, Occurrences::Counted, arguments.letters),
                                          result.form.substr(0, result.form.find(' ')));
        return result;
    }
    const LemmaOccurrences found = occurrencesOfLemma(arguments, text);
    Concordance result = lemmaConcordance(text, found.tokens, found.lemmatized, found.lemmas, arguments.context);
    // Named as asked, the lemma found in one category or several, or in none.
    result.form = result.written = result.lemma = arguments.lemma;
    return result;
}

// The report of each command for the command line's form, query or lemma and options.
Concordance reportFor(ConcordanceCommand, const Arguments& arguments, std::string_view text)
{
    Concordance result = occurrencesFound(arguments, text);
    if (arguments.sortKeys.empty())
        return result;
    std::vector<ConcordanceLine> sorted;
    sorted.reserve(result.occurrences.size());
    for (const std::size_t place : concordanceOrder(result, arguments.sortKeys))
        sorted.push_back(std::move(result.occurrences[place]));
    result.occurrences = std::move(sorted);
    return result;
}

DispersionReport reportFor(DispersionCommand, const Arguments& arguments, std::string_view text)
{
    if (arguments.query.empty())
        return dispersionReport(text, arguments.form, arguments.parts, arguments.letters);
    return searchDispersion(tokenize(text, Occurrences::Kept, arguments.letters), {arguments.query, arguments.syntax},
                            arguments.parts);
}

// The collocates around the form, the pattern or the lemma the command line gives.
CollocateReport collocatesAsked(const Arguments& arguments, std::string_view text)
{
    if (!arguments.query.empty())
        return searchCollocates(text, tokenize(text, Occurrences::Kept, arguments.letters),
                                {arguments.query, arguments.syntax}, arguments.collocates);
    if (arguments.lemma.empty())
        return collocateReport(text, arguments.form, arguments.collocates, arguments.letters);
    const LemmaOccurrences found = occurrencesOfLemma(arguments, text);
    return collocateReportAt(text, found.tokens, arguments.lemma, occurrencesOf(found.lemmatized, found.lemmas),
                             arguments.collocates);
}

CollocateListing reportFor(CollocatesCommand, const Arguments& arguments, std::string_view text)
{
    return {withoutFunctionWords(collocatesAsked(arguments, text), arguments.presentation.setAside),
            arguments.collocateThresholds};
}

// The figures of a listing of collocates are those of its report.
const CollocateReport& figureSubject(const CollocateListing& listing)
{
    return listing.report;
}

template <class Command>
constexpr FormCommand cliFormCommand()
{
    return {Command::info,
            [](const Arguments& arguments, std::string_view text, std::ostream& out) {
                const auto report = reportFor(Command{}, arguments, text);
                writeText(out, report);
                if constexpr (requires { Command::figures; })
                    if (arguments.presentation.explain)
                        writeExplanations(
                            out, explainFigures(Command::figures, figureSubject(report), ExplanationNumbers(',')));
            },
            [](const Arguments& arguments, std::string_view text, JsonWriter& json) {
                writeJson(json, reportFor(Command{}, arguments, text));
            },
            [](const Arguments& arguments, std::string_view text, CsvWriter& csv) {
                writeCsv(csv, reportFor(Command{}, arguments, text));
            }};
}

constexpr std::array formCommands = {cliFormCommand<ConcordanceCommand>(), cliFormCommand<DispersionCommand>(),
                                     cliFormCommand<CollocatesCommand>()};
static_assert(formCommands.size() == registeredFormCommands.size(), "every form command of the register is here");

} // namespace

const FormCommand* findFormCommand(std::string_view name)
{
    const auto found =
        std::ranges::find(formCommands, name, [](const FormCommand& command) { return command.info.name; });
    return found == formCommands.end() ? nullptr : &*found;
}

} // namespace quorvelle::cli
