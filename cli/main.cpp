// quorvelle-cli: every statistic of Quorvelle on a file, as French text, JSON or CSV.
#include "cli/arguments.h"
#include "cli/corpus_commands.h"
#include "cli/form_commands.h"
#include "cli/formatted_output.h"
#include "cli/statistics.h"
#include "cli/stoplist.h"
#include "cli/system_streams.h"
#include "core/catalogue/statistic_register.h"
#include "core/documents/document_text.h"
#include "core/lemmas/french_dictionary.h"
#include "core/presentation/french_messages.h"
#include "core/text/file_path.h"
#include "core/text/form_pattern.h"
#include "core/text/text_file.h"

#ifdef __GLIBC__
#include <cerrno>
#include <malloc.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <new>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace {

constexpr int exitSuccess = 0;
constexpr int exitUnreadableFile = 1;
constexpr int exitUnwritableResult = 1;  // as a file that cannot be read: the run failed on a file
constexpr int exitOutOfMemory = 1;       // as a file too large to read: the text needs more memory than there is
constexpr int exitTextTooLong = 1;       // the same: the text has more forms than a statistic can number
constexpr int exitMissingDictionary = 1; // as a file that cannot be read: the run needs one
constexpr int exitUsage = 2;

#ifdef __GLIBC__
// The statistics of `all` each build a report, write it and free it. Left to itself,
// glibc raises its mapping threshold to the size of the first large block freed and then
// keeps later blocks of that size in the heap, where their memory stays with the process
// after they are freed; a fixed threshold gives every large block back when it is freed.
// Blocks under it are reused from the heap: each block mapped afresh costs its pages
// cleared again, and at 128 KiB that took a tenth of the time of the co-occurrences.
constexpr int mappingThresholdBytes = 4 * 1024 * 1024;

// The large buffers (the text, the forms of every occurrence, the reports) are filled page by
// page, and each new page costs a fault. With transparent huge pages, malloc can back them by
// 2 MiB pages, one fault where there were 512: on a 10 MB text, `all` takes 3 200 faults
// instead of 11 700 and a third less time. glibc reads that choice from the environment only,
// when a program starts, so the program starts itself once more with it. If that fails, it
// runs on as it is.
//
// Starting again loads every library a second time, some 20 ms: more than huge pages save on
// a text of a few megabytes. The program restarts only for files that large, or for standard
// input, whose size it cannot know.
constexpr std::uintmax_t smallestHugePagesInput = std::uintmax_t{4} << 20;

bool readsLargeInput(int argc, char* argv[])
{
    std::uintmax_t bytes = 0;
    for (int index = 1; index < argc; ++index) {
        if (std::string_view(argv[index]) == quorvelle::standardInputName)
            return true;
        std::error_code error;
        if (std::filesystem::is_regular_file(argv[index], error))
            bytes += std::filesystem::file_size(argv[index], error);
    }
    return bytes >= smallestHugePagesInput;
}

void restartWithHugePages(int argc, char* argv[])
{
    if (!readsLargeInput(argc, argv))
        return;
    constexpr std::string_view hugePages = "glibc.malloc.hugetlb";
    const char* tunables = std::getenv("GLIBC_TUNABLES");
    if (tunables && std::string_view(tunables).find(hugePages) != std::string_view::npos)
        return;
    std::string value = tunables && *tunables ? std::string(tunables) + ":" : std::string();
    value.append(hugePages).append("=1");
    // By its own path, so that the process keeps its name.
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error && ::setenv("GLIBC_TUNABLES", value.c_str(), 1) == 0)
        ::execv(self.c_str(), argv);
}
#endif

// Texts up to this size get one job per core by default. Above it, the statistics that other
// threads compute ahead, held in memory until their turn, would take the peak memory of
// `all` beyond one and a half times the text plus 50 MiB: larger texts get one job unless
// the command line asks for more.
constexpr std::size_t largestTextForParallelJobs = std::size_t{32} << 20;

unsigned defaultJobs(const quorvelle::AnalysedTexts& texts)
{
    const std::size_t bytes = texts.first().size() + (texts.hasSecond() ? texts.second().size() : 0);
    return bytes <= largestTextForParallelJobs ? std::max(1u, std::thread::hardware_concurrency()) : 1u;
}

// What the command line's form command finds of its form in the text, in the format it asks for.
void writeFormCommand(const quorvelle::cli::FormCommand& command, const quorvelle::cli::Arguments& arguments,
                      std::string_view text)
{
    using namespace quorvelle::cli;
    writeFormatted(arguments.format, arguments.letters,
                   {[&](std::ostream& out) { command.writeText(arguments, text, out); },
                    [&](JsonWriter& json) { command.writeJson(arguments, text, json); },
                    [&](CsvWriter& csv) { command.writeCsv(arguments, text, csv); }});
}

// Flushes the result; one that could not be written whole is said, never passed over in silence.
int finishOutput()
{
    std::cout.flush();
    if (std::cout)
        return exitSuccess;
    const bool full = errno == ENOSPC;
    std::cerr << "quorvelle-cli : le résultat n'a pas pu être écrit en entier"
              << (full ? " : le disque est plein.\n" : ".\n");
    return exitUnwritableResult;
}

// Computes the statistic the command line names (or all of them) and writes it.
void writeResult(const quorvelle::cli::Arguments& arguments, const quorvelle::AnalysedTexts& texts)
{
    using namespace quorvelle::cli;
    const Statistic* statistic = findStatistic(arguments.statistic);
    const unsigned jobs = arguments.jobs > 0 ? arguments.jobs : defaultJobs(texts);
    const Presentation& presentation = arguments.presentation;
    writeFormatted(arguments.format, texts.letters(),
                   {[&](std::ostream& out) {
                        if (statistic)
                            statistic->writeText(texts, presentation, out);
                        else
                            writeAllAsText(texts, presentation, out, jobs);
                    },
                    [&](JsonWriter& json) {
                        if (statistic)
                            statistic->writeJson(texts, presentation, json);
                        else
                            writeAllAsJson(texts, presentation, json, jobs);
                    },
                    [&](CsvWriter& csv) {
                        // Every statistic of `all` writes its tables with a writer of its own.
                        if (statistic)
                            statistic->writeCsv(texts, presentation, csv);
                        else
                            writeAllAsCsv(texts, presentation, std::cout, jobs);
                    }});
}

} // namespace

int main(int argc, char* argv[])
{
    using namespace quorvelle;
    using namespace quorvelle::cli;

#ifdef __GLIBC__
    restartWithHugePages(argc, argv);
    mallopt(M_MMAP_THRESHOLD, mappingThresholdBytes);
#endif
    passStandardStreamsAsBytes();
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> commandLine = commandLineWords(argc, argv);
    const std::vector<std::string_view> words(commandLine.begin(), commandLine.end());

    Arguments arguments;
    try {
        arguments = parseArguments(words);
    } catch (const UsageError& error) {
        std::cerr << "quorvelle-cli : " << error.what() << "\nEssayez « quorvelle-cli --help » pour en savoir plus.\n";
        return exitUsage;
    }
    if (arguments.help) {
        std::cout << usageText();
        return exitSuccess;
    }
    if (arguments.version) {
        std::cout << "quorvelle-cli " QUORVELLE_VERSION "\n";
        return exitSuccess;
    }

    if (const cli::CorpusCommand* command = cli::findCorpusCommand(arguments.statistic)) {
        const int status = cli::runCorpusCommand(*command, arguments);
        return status == exitSuccess ? finishOutput() : status;
    }

    std::string first;
    std::optional<std::string> second;
    try {
        arguments.presentation.setAside = readStoplist(arguments.stoplist, arguments.letters);
        first = loadTextFile(arguments.files.at(0), arguments.encoding).text;
        if (arguments.files.size() > 1)
            second = loadTextFile(arguments.files.at(1), arguments.encoding).text;
    } catch (const FileError& error) {
        std::cerr << "quorvelle-cli : " << french::fileErrorHeading(utf8Name(error.path())) << ' '
                  << french::fileErrorReason(error) << '\n';
        return exitUnreadableFile;
    }
    try {
        if (const cli::FormCommand* command = cli::findFormCommand(arguments.statistic))
            writeFormCommand(*command, arguments, first);
        else
            writeResult(arguments, AnalysedTexts(std::move(first), std::move(second), arguments.letters));
    } catch (const std::bad_alloc&) {
        std::cout.flush();
        const bool isConcordance = arguments.statistic == registered::concordance.name;
        std::cerr << "\nquorvelle-cli : mémoire insuffisante pour "
                  << (isConcordance ? "établir cette concordance" : "calculer cette statistique") << " sur ce texte.\n";
        return exitOutOfMemory;
    } catch (const PatternError& error) {
        // A regular expression that backtracks without end is refused as it is matched.
        std::cerr << "quorvelle-cli : " << error.what() << '\n';
        return exitUsage;
    } catch (const DictionaryError& error) {
        std::cout.flush();
        std::cerr << "quorvelle-cli : " << error.what() << '\n';
        return exitMissingDictionary;
    } catch (const std::length_error&) {
        std::cout.flush();
        std::cerr << "\nquorvelle-cli : ce texte a trop de formes pour calculer cette statistique.\n";
        return exitTextTooLong;
    }
    return finishOutput();
}
