// The table of statistics: each computes its report once and presents it.
#include "cli/statistics.h"

#include "cli/comparison_output.h"
#include "cli/cooccurrences_output.h"
#include "cli/counts_output.h"
#include "cli/doubled_letters_output.h"
#include "cli/edge_letters_output.h"
#include "cli/enrichment_output.h"
#include "cli/explanation_output.h"
#include "cli/frequencies_output.h"
#include "cli/lemmas_output.h"
#include "cli/lengths_output.h"
#include "cli/letter_pairs_output.h"
#include "cli/letters_output.h"
#include "cli/ordered_sections.h"
#include "cli/richness_output.h"
#include "cli/segments_output.h"
#include "cli/sentences_output.h"
#include "cli/specificity_output.h"
#include "cli/statistic_writers.h"
#include "cli/vocabulary_output.h"
#include "cli/zipf_output.h"
#include "core/reports/without_function_words.h"
#include "core/statistics/all_statistics.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <algorithm>
#include <array>
#include <sstream>
#include <string>
#include <vector>

namespace quorvelle::cli {

namespace {

// Gives the memory of a report just freed back to the system. glibc keeps the blocks under its
// mapping threshold in its heap when they are freed, still resident: without this, each
// statistic of `all` would start with the heap the previous ones left, and add its own.
void releaseFreedMemory()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

// A report as the command line asks to present it: most reports have nothing to set.
template <class Report>
Report presented(Report report, const Presentation&)
{
    return report;
}

SpecificityReport presented(SpecificityReport report, const Presentation& presentation)
{
    report.threshold = presentation.specificityThreshold;
    return withoutFunctionWords(std::move(report), presentation.setAside);
}

VocabularyReport presented(VocabularyReport report, const Presentation& presentation)
{
    return withoutFunctionWords(std::move(report), presentation.setAside);
}

RepeatedSegmentsReport presented(RepeatedSegmentsReport report, const Presentation& presentation)
{
    return withoutFunctionWords(std::move(report), presentation.setAside);
}

// A statistic's report as the command line asks for it: computed with the command line's
// options where the statistic takes some, presented as it asks.
template <class CatalogueEntry>
auto reportFor(const AnalysedTexts& texts, const Presentation& presentation)
{
    if constexpr (requires { CatalogueEntry::report(texts, presentation.segments); })
        return presented(CatalogueEntry::report(texts, presentation.segments), presentation);
    else if constexpr (requires { CatalogueEntry::report(texts, presentation.unit); })
        return presented(CatalogueEntry::report(texts, presentation.unit), presentation);
    else
        return presented(CatalogueEntry::report(texts), presentation);
}

// A statistic of the catalogue with its three presentations, the writers its output file
// gives it.
template <class CatalogueEntry>
constexpr Statistic cliStatistic()
{
    using Writers = StatisticWriters<CatalogueEntry>;
    return {CatalogueEntry::info,
            [](const AnalysedTexts& texts, const Presentation& presentation, std::ostream& out) {
                {
                    const auto report = reportFor<CatalogueEntry>(texts, presentation);
                    Writers::writeText(out, report);
                    if (presentation.explain) {
                        if constexpr (requires { CatalogueEntry::figures; })
                            writeExplanations(out,
                                              explainFigures(CatalogueEntry::figures, figureSubject(report),
                                                             ExplanationNumbers(',')));
                        else if constexpr (requires { CatalogueEntry::explanations(report, ExplanationNumbers(',')); })
                            writeExplanations(out, CatalogueEntry::explanations(report, ExplanationNumbers(',')));
                    }
                }
                releaseFreedMemory();
            },
            [](const AnalysedTexts& texts, const Presentation& presentation, JsonWriter& json) {
                Writers::writeJson(json, reportFor<CatalogueEntry>(texts, presentation));
                releaseFreedMemory();
            },
            [](const AnalysedTexts& texts, const Presentation& presentation, CsvWriter& csv) {
                Writers::writeCsv(csv, reportFor<CatalogueEntry>(texts, presentation));
                releaseFreedMemory();
            }};
}

constexpr auto statisticTable =
    std::apply([](auto... entry) { return std::array{cliStatistic<decltype(entry)>()...}; }, Statistics{});

// The statistics of `all` for these texts: the comparison only when there is a second text.
// The texts are tokenized once for all of them, occurrences kept, before any thread reads
// them.
std::vector<const Statistic*> statisticsFor(const AnalysedTexts& texts)
{
    std::vector<const Statistic*> applying;
    for (const Statistic& statistic : statisticTable)
        if (statistic.info.inAll && (!statistic.info.needsSecondText || texts.hasSecond()))
            applying.push_back(&statistic);
    texts.firstTokens();
    if (texts.hasSecond())
        texts.secondTokens();
    return applying;
}

// Every statistic for the texts, each written to out by write after its heading.
template <typename Heading, typename Write>
void writeAllToStream(const AnalysedTexts& texts, std::ostream& out, unsigned jobs, Heading heading, Write write)
{
    const std::vector<const Statistic*> applying = statisticsFor(texts);
    writeSectionsInOrder(
        applying.size(), jobs,
        {.stream =
             [&](std::size_t index) {
                 out << heading(*applying[index], index);
                 write(*applying[index], out);
             },
         .render =
             [&](std::size_t index) {
                 std::ostringstream section;
                 write(*applying[index], section);
                 return std::move(section).str();
             },
         .write = [&](std::size_t index,
                      const std::string& section) { out << heading(*applying[index], index) << section; }});
}

} // namespace

std::span<const Statistic> statistics()
{
    return statisticTable;
}

const Statistic* findStatistic(std::string_view name)
{
    const auto found =
        std::ranges::find(statisticTable, name, [](const Statistic& statistic) { return statistic.info.name; });
    return found == statisticTable.end() ? nullptr : &*found;
}

void writeAllAsText(const AnalysedTexts& texts, const Presentation& presentation, std::ostream& out, unsigned jobs)
{
    writeAllToStream(
        texts, out, jobs,
        [](const Statistic& statistic, std::size_t index) {
            return (index == 0 ? "== " : "\n== ") + std::string(statistic.info.name) + " ==\n";
        },
        [&](const Statistic& statistic, std::ostream& section) { statistic.writeText(texts, presentation, section); });
}

void writeAllAsCsv(const AnalysedTexts& texts, const Presentation& presentation, std::ostream& out, unsigned jobs)
{
    // Every table ends with an empty line, which separates it from the next.
    writeAllToStream(
        texts, out, jobs, [](const Statistic&, std::size_t) { return std::string(); },
        [&](const Statistic& statistic, std::ostream& section) {
            CsvWriter csv(section);
            statistic.writeCsv(texts, presentation, csv);
        });
}

void writeAllAsJson(const AnalysedTexts& texts, const Presentation& presentation, JsonWriter& json, unsigned jobs)
{
    const std::vector<const Statistic*> applying = statisticsFor(texts);
    json.beginObject();
    writeSectionsInOrder(
        applying.size(), jobs,
        {.stream =
             [&](std::size_t index) {
                 json.key(applying[index]->info.name);
                 applying[index]->writeJson(texts, presentation, json);
             },
         .render =
             [&](std::size_t index) {
                 std::ostringstream section;
                 JsonWriter sectionJson(section);
                 applying[index]->writeJson(texts, presentation, sectionJson);
                 return std::move(section).str();
             },
         .write = [&](std::size_t index,
                      const std::string& section) { json.key(applying[index]->info.name).raw(section); }});
    json.endObject();
}

} // namespace quorvelle::cli
