// Reading a corpus from the command line's files and running a corpus command on it.
#include "cli/corpus_commands.h"

#include "cli/corpus_output.h"
#include "cli/formatted_output.h"
#include "core/corpus/corpus_files.h"
#include "core/presentation/corpus_messages.h"
#include "core/presentation/french_messages.h"
#include "core/text/text_file.h"

#include <algorithm>
#include <array>
#include <iostream>
#include <optional>

namespace quorvelle::cli {
namespace {

constexpr int exitSuccess = 0;
constexpr int exitUnusableCorpus = 1; // as a file that cannot be read: the files make no corpus to study

constexpr std::array corpusCommands = {CorpusCommand{registered::corpus}, CorpusCommand{registered::progression}};
static_assert(corpusCommands.size() == registeredCorpusCommands.size(), "every corpus command of the register is here");

void sayError(std::string_view message)
{
    std::cerr << "quorvelle-cli : " << message << '\n';
}

// The result in the format the command line asks.
template <class Result>
void writeResult(const Arguments& arguments, const Result& result)
{
    writeFormatted(arguments.format, arguments.letters,
                   {[&](std::ostream& out) { writeText(out, result); }, [&](JsonWriter& json) { writeJson(json, result); },
                    [&](CsvWriter& csv) { writeCsv(csv, result); }});
}

} // namespace

const CorpusCommand* findCorpusCommand(std::string_view name)
{
    const auto found =
        std::ranges::find(corpusCommands, name, [](const CorpusCommand& command) { return command.info.name; });
    return found == corpusCommands.end() ? nullptr : &*found;
}

int runCorpusCommand(const CorpusCommand& command, const Arguments& arguments)
{
    Corpus corpus;
    try {
        corpus = loadCorpus(arguments.files, arguments.encoding, arguments.letters);
    } catch (const FileError& error) {
        sayError(french::fileErrorHeading(error.path().string()) + ' ' + french::fileErrorReason(error));
        return exitUnusableCorpus;
    }
    for (const CorpusNotice& notice : corpus.notices)
        sayError("remarque : " + french::corpusNoticeText(notice));

    std::optional<std::string_view> variable;
    if (!arguments.partition.empty()) {
        const std::vector<std::string> known = corpus.variables();
        if (std::ranges::find(known, arguments.partition) == known.end()) {
            sayError(french::unknownVariableMessage(arguments.partition, known));
            return exitUnusableCorpus;
        }
        variable = arguments.partition;
    }
    const std::vector<PartGroup> groups = partition(corpus, variable);
    if (const std::string problem = french::tooFewGroupsMessage(groups.size(), arguments.partition); !problem.empty()) {
        sayError(problem);
        return exitUnusableCorpus;
    }
    const LexicalTable table = lexicalTable(corpus, groups, arguments.letters);
    if (command.info.name == registered::progression.name) {
        std::vector<FormProgression> progressions;
        for (const std::string& form : arguments.forms)
            progressions.push_back(formProgression(table, form));
        writeResult(arguments, progressions);
    } else {
        writeResult(arguments, CorpusListing{table, arguments.partition, arguments.presentation.specificityThreshold,
                                             corpusPartsReport(table),
                                             correspondenceAnalysis(table, arguments.analysisMinFrequency)});
    }
    return exitSuccess;
}

} // namespace quorvelle::cli
