// The table of statistics: each computes its report once and presents it.
#include "cli/statistics.h"

#include "cli/composition_output.h"
#include "cli/frequency_output.h"
#include "cli/ordered_sections.h"
#include "cli/richness_output.h"
#include "cli/vocabulary_output.h"
#include "core/character_counts.h"
#include "core/cooccurrence_report.h"
#include "core/edge_letter_report.h"
#include "core/enrichment_report.h"
#include "core/frequency_report.h"
#include "core/key_distribution.h"
#include "core/length_report.h"
#include "core/richness_report.h"
#include "core/sentence_report.h"
#include "core/vocabulary_comparison.h"
#include "core/vocabulary_report.h"

#include <algorithm>
#include <array>
#include <sstream>
#include <string>
#include <vector>

namespace quorvelle::cli {
namespace {

// Binds the computation of a report (a captureless lambda from the texts to the report)
// to its three presentations, the writeText, writeJson and writeCsv overloads of the report's
// type.
template <typename Compute>
constexpr Statistic makeStatistic(std::string_view name, std::string_view description, bool needsSecondText, Compute)
{
    return {name, description, needsSecondText,
            [](const AnalysedTexts& texts, std::ostream& out) { writeText(out, Compute{}(texts)); },
            [](const AnalysedTexts& texts, JsonWriter& json) { writeJson(json, Compute{}(texts)); },
            [](const AnalysedTexts& texts, CsvWriter& csv) { writeCsv(csv, Compute{}(texts)); }};
}

constexpr std::array statisticTable = {
    makeStatistic("counts", "nombre de caractères et de mots", false,
                  [](const AnalysedTexts& texts) { return countCharacters(texts.first()); }),
    makeStatistic("vocabulary", "liste du vocabulaire", false,
                  [](const AnalysedTexts& texts) { return vocabularyReport(texts.firstTokens(Occurrences::Counted)); }),
    makeStatistic("lengths", "formes par nombre de caractères", false,
                  [](const AnalysedTexts& texts) { return lengthReport(texts.firstTokens(Occurrences::Counted)); }),
    makeStatistic("letters", "formes par lettre de l'alphabet", false,
                  [](const AnalysedTexts& texts) { return letterReport(texts.firstTokens(Occurrences::Counted)); }),
    makeStatistic("edges", "lettres en début et en fin de mot", false,
                  [](const AnalysedTexts& texts) { return edgeLetterReport(texts.firstTokens(Occurrences::Counted)); }),
    makeStatistic("doubles", "lettres redoublées", false,
                  [](const AnalysedTexts& texts) { return doubledLetterReport(texts.firstTokens(Occurrences::Counted)); }),
    makeStatistic("pairs", "récurrences phoniques (paires de lettres)", false,
                  [](const AnalysedTexts& texts) { return letterPairReport(texts.firstTokens(Occurrences::Counted)); }),
    makeStatistic("frequencies", "fréquences d'attestation et écarts", false,
                  [](const AnalysedTexts& texts) { return frequencyReport(texts.firstTokens(Occurrences::Counted)); }),
    makeStatistic("cooccurrences", "cooccurrences", false,
                  [](const AnalysedTexts& texts) { return cooccurrenceReport(texts.firstTokens()); }),
    makeStatistic("sentences", "longueurs de phrases", false,
                  [](const AnalysedTexts& texts) { return SentenceListing{texts.first()}; }),
    makeStatistic("enrichment", "enrichissement du vocabulaire par tranches de 100 formes", false,
                  [](const AnalysedTexts& texts) { return enrichmentReport(texts.firstTokens()); }),
    makeStatistic("compare", "comparaison des vocabulaires de FICHIER et FICHIER2", true,
                  [](const AnalysedTexts& texts) {
                      return vocabularyComparison(texts.firstTokens(Occurrences::Counted), texts.secondTokens());
                  }),
    makeStatistic("richness", "richesse du vocabulaire (TTR, Guiraud, Yule, MATTR, MTLD...)", false,
                  [](const AnalysedTexts& texts) { return richnessReport(texts.firstTokens()); }),
};

// The statistics of `all` for these texts: the comparison only when there is a second text.
// The texts are tokenized once for all of them, occurrences kept, before any thread reads
// them.
std::vector<const Statistic*> statisticsFor(const AnalysedTexts& texts)
{
    std::vector<const Statistic*> applying;
    for (const Statistic& statistic : statisticTable)
        if (!statistic.needsSecondText || texts.hasSecond())
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
    writeSectionsInOrder(applying.size(), jobs,
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
                          .write =
                              [&](std::size_t index, const std::string& section) {
                                  out << heading(*applying[index], index) << section;
                              }});
}

} // namespace

std::span<const Statistic> statistics()
{
    return statisticTable;
}

const Statistic* findStatistic(std::string_view name)
{
    const auto found = std::find_if(statisticTable.begin(), statisticTable.end(),
                                    [name](const Statistic& statistic) { return statistic.name == name; });
    return found == statisticTable.end() ? nullptr : &*found;
}

void writeAllAsText(const AnalysedTexts& texts, std::ostream& out, unsigned jobs)
{
    writeAllToStream(
        texts, out, jobs,
        [](const Statistic& statistic, std::size_t index) {
            return (index == 0 ? "== " : "\n== ") + std::string(statistic.name) + " ==\n";
        },
        [&texts](const Statistic& statistic, std::ostream& section) { statistic.writeText(texts, section); });
}

void writeAllAsCsv(const AnalysedTexts& texts, std::ostream& out, unsigned jobs)
{
    // Every table ends with an empty line, which separates it from the next.
    writeAllToStream(
        texts, out, jobs, [](const Statistic&, std::size_t) { return std::string(); },
        [&texts](const Statistic& statistic, std::ostream& section) {
            CsvWriter csv(section);
            statistic.writeCsv(texts, csv);
        });
}

void writeAllAsJson(const AnalysedTexts& texts, JsonWriter& json, unsigned jobs)
{
    const std::vector<const Statistic*> applying = statisticsFor(texts);
    json.beginObject();
    writeSectionsInOrder(applying.size(), jobs,
                         {.stream =
                              [&](std::size_t index) {
                                  json.key(applying[index]->name);
                                  applying[index]->writeJson(texts, json);
                              },
                          .render =
                              [&](std::size_t index) {
                                  std::ostringstream section;
                                  JsonWriter sectionJson(section);
                                  applying[index]->writeJson(texts, sectionJson);
                                  return std::move(section).str();
                              },
                          .write = [&](std::size_t index, const std::string& section) {
                              json.key(applying[index]->name).raw(section);
                          }});
    json.endObject();
}

} // namespace quorvelle::cli
