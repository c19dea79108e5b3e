// Reading a corpus from the command line's files and running a corpus command on it.
#include "cli/corpus_commands.h"

#include "cli/corpus_output.h"
#include "cli/formatted_output.h"
#include "core/corpus/corpus_files.h"
#include "core/presentation/corpus_messages.h"
#include "core/presentation/french_messages.h"
#include "core/text/file_path.h"
#include "core/text/text_file.h"

#include <algorithm>
#include <array>
#include <iostream>
#include <optional>

namespace quorvelle::cli {
namespace {

constexpr int exitSuccess = 0;
constexpr int exitUnusableCorpus = 1; // as a file that cannot be read: the files make no corpus to study

// The result of each command for the command line's options.
CorpusListing resultFor(CorpusStatistic, const Arguments& arguments, const LexicalTable& table)
{
    return {table, arguments.partition, arguments.presentation.specificityThreshold, corpusPartsReport(table),
            correspondenceAnalysis(table, arguments.analysisMinFrequency)};
}

ProgressionListing resultFor(ProgressionStatistic, const Arguments& arguments, const LexicalTable& table)
{
    ProgressionListing listing{{}, table.ofLemmas};
    for (const std::string& form : arguments.forms)
        listing.progressions.push_back(formProgression(table, form));
    return listing;
}

template <class Command>
constexpr CorpusCommand cliCorpusCommand()
{
    return {Command::info,
            [](const Arguments& arguments, const LexicalTable& table, std::ostream& out) {
                writeText(out, resultFor(Command{}, arguments, table));
            },
            [](const Arguments& arguments, const LexicalTable& table, JsonWriter& json) {
                writeJson(json, resultFor(Command{}, arguments, table));
            },
            [](const Arguments& arguments, const LexicalTable& table, CsvWriter& csv) {
                writeCsv(csv, resultFor(Command{}, arguments, table));
            }};
}

constexpr std::array corpusCommands = {cliCorpusCommand<CorpusStatistic>(), cliCorpusCommand<ProgressionStatistic>()};
static_assert(corpusCommands.size() == registeredCorpusCommands.size(), "every corpus command of the register is here");

void sayError(std::string_view message)
{
    std::cerr << "quorvelle-cli : " << message << '\n';
}

} // namespace

const CorpusCommand* findCorpusCommand(std::string_view name)
{
    const auto found =
        std::ranges::find(corpusCommands, name, [](const CorpusCommand& command) { return command.info.name; });
    return found == corpusCommands.end() ? nullptr : &*found;
}

LexicalTable corpusTable(const Corpus& corpus, const Arguments& arguments)
{
    std::optional<std::string_view> variable;
    if (!arguments.partition.empty()) {
        const std::vector<std::string> known = corpus.variables();
        if (std::ranges::find(known, arguments.partition) == known.end())
            throw CorpusError(french::unknownVariableMessage(arguments.partition, known));
        variable = arguments.partition;
    }
    const std::vector<PartGroup> groups = partition(corpus, variable);
    if (const std::string problem = french::tooFewGroupsMessage(groups.size(), arguments.partition); !problem.empty())
        throw CorpusError(problem);
    return CorpusStatistic::table(corpus, groups, arguments.letters, arguments.presentation.unit);
}

int runCorpusCommand(const CorpusCommand& command, const Arguments& arguments)
{
    try {
        const Corpus corpus = loadCorpus(arguments.files, arguments.encoding, arguments.letters);
        for (const CorpusNotice& notice : corpus.notices)
            sayError("remarque : " + french::corpusNoticeText(notice));
        const LexicalTable table = corpusTable(corpus, arguments);
        writeFormatted(arguments.format, arguments.letters,
                       {[&](std::ostream& out) { command.writeText(arguments, table, out); },
                        [&](JsonWriter& json) { command.writeJson(arguments, table, json); },
                        [&](CsvWriter& csv) { command.writeCsv(arguments, table, csv); }});
    } catch (const FileError& error) {
        sayError(french::fileErrorHeading(utf8Name(error.path())) + ' ' + french::fileErrorReason(error));
        return exitUnusableCorpus;
    } catch (const CorpusError& error) {
        sayError(error.what());
        return exitUnusableCorpus;
    }
    return exitSuccess;
}

} // namespace quorvelle::cli
