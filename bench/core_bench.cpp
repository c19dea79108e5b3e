// Benchmarks of the core reports over generated French-like text of growing sizes: every
// statistic of the catalogue, from the text and from the text tokenized beforehand.
#include "bench/french_like_text.h"
#include "bench/marked_corpus.h"
#include "core/corpus/corpus_reports.h"
#include "core/corpus/correspondence_analysis.h"
#include "core/statistics/all_statistics.h"
#include "core/statistics/corpus_statistic.h"
#include "core/text/segmentation.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <map>
#include <string>
#include <type_traits>
#include <utility>

namespace {

using quorvelle::bench::defaultSeed;
using quorvelle::bench::generateFrenchLikeText;
using SizeAndSeed = std::pair<std::size_t, std::uint64_t>;

// Each size is generated once and shared by every benchmark.
const std::string& textOfSize(std::size_t bytes, std::uint64_t seed = defaultSeed)
{
    static std::map<SizeAndSeed, std::string> texts;
    auto found = texts.find({bytes, seed});
    if (found == texts.end())
        found = texts.emplace(SizeAndSeed{bytes, seed}, generateFrenchLikeText(bytes, seed)).first;
    return found->second;
}

// A step on the characters of the text, such as its segmentation.
template <typename Result, Result (*step)(std::string_view)>
void runOnText(benchmark::State& state)
{
    const std::string& text = textOfSize(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(step(text));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
}

// The second text of a comparison: as long as the first, other words in other places.
constexpr std::uint64_t secondTextSeed = 1871;

quorvelle::AnalysedTexts textsOfSize(std::size_t bytes, bool withSecond)
{
    return withSecond ? quorvelle::AnalysedTexts(textOfSize(bytes), textOfSize(bytes, secondTextSeed))
                      : quorvelle::AnalysedTexts(textOfSize(bytes));
}

// A statistic's report from its texts, tokenized in each iteration, or once beforehand as
// `quorvelle-cli all` tokenizes them.
template <class Statistic, bool tokenizedBeforehand>
void runStatistic(benchmark::State& state)
{
    const auto bytes = static_cast<std::size_t>(state.range(0));
    const bool withSecond = Statistic::info.needsSecondText;
    const quorvelle::AnalysedTexts beforehand = textsOfSize(bytes, withSecond);
    beforehand.firstTokens();
    if (withSecond)
        beforehand.secondTokens();
    for (auto _ : state) {
        if constexpr (tokenizedBeforehand) {
            benchmark::DoNotOptimize(Statistic::report(beforehand));
        } else {
            const quorvelle::AnalysedTexts texts = textsOfSize(bytes, withSecond);
            benchmark::DoNotOptimize(Statistic::report(texts));
        }
    }
    const std::size_t read = withSecond ? 2 * bytes : bytes;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(read));
}

void sizes(benchmark::internal::Benchmark* benchmark)
{
    for (const std::int64_t bytes : {64'000, 1'000'000, 10'000'000, 100'000'000})
        benchmark->Arg(bytes);
    benchmark->Unit(benchmark::kMillisecond)->UseRealTime();
}

using namespace quorvelle;

std::int64_t countClassicForms(std::string_view text)
{
    return countForms(text);
}

// The shared tokenization of `all`, occurrences kept, by either letter rule.
template <LetterRule letters>
TokenizedText tokenizeKeepingOccurrences(std::string_view text)
{
    return tokenize(text, Occurrences::Kept, letters);
}

// The sentence window's report; the command line writes the sentences as it finds them.
SentenceReport classicSentenceReport(std::string_view text)
{
    return sentenceReport(text);
}

BENCHMARK(runOnText<std::int64_t, countClassicForms>)->Name("Segmentation")->Apply(sizes);
BENCHMARK(runOnText<TokenizedText, tokenizeKeepingOccurrences<LetterRule::Classic>>)->Name("Tokenize")->Apply(sizes);
BENCHMARK(runOnText<TokenizedText, tokenizeKeepingOccurrences<LetterRule::Extended>>)
    ->Name("Tokenize/ExtendedLetters")
    ->Apply(sizes);
BENCHMARK(runOnText<SentenceReport, classicSentenceReport>)->Name("SentenceReport")->Apply(sizes);

// A corpus of fifty parts as the corpus window opens it (parts, table, the first part's
// specificities and the analysis), and with every part's specificities as `corpus` writes them;
// its forms, or each part's lemmas.
template <bool everyPart, CountingUnit unit = CountingUnit::Forms>
void runCorpus(benchmark::State& state)
{
    constexpr std::size_t parts = 50;
    const std::string marked = bench::markedInParts(textOfSize(static_cast<std::size_t>(state.range(0))), parts);
    for (auto _ : state) {
        const Corpus corpus = markedCorpus(marked);
        const LexicalTable table = CorpusStatistic::table(corpus, partition(corpus), LetterRule::Classic, unit);
        benchmark::DoNotOptimize(corpusPartsReport(table));
        benchmark::DoNotOptimize(correspondenceAnalysis(table));
        for (std::size_t column = 0; column < (everyPart ? table.columns.size() : 1); ++column)
            benchmark::DoNotOptimize(partSpecificities(table, column));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(marked.size()));
}

BENCHMARK(runCorpus<false>)->Name("Corpus/50Parts/Window")->Apply(sizes);
BENCHMARK(runCorpus<true>)->Name("Corpus/50Parts/EveryPart")->Apply(sizes);
BENCHMARK(runCorpus<false, CountingUnit::Lemmas>)->Name("Corpus/50Parts/Window/Lemmas")->Apply(sizes);

void registerStatistics()
{
    forEachStatistic([](auto statistic) {
        using Statistic = decltype(statistic);
        // The sentences' listing is computed as it is written: there is no report to time.
        if constexpr (!std::is_same_v<decltype(Statistic::report(std::declval<const AnalysedTexts&>())),
                                      SentenceListing>) {
            const std::string name(Statistic::info.name);
            benchmark::RegisterBenchmark(name.c_str(), runStatistic<Statistic, false>)->Apply(sizes);
            benchmark::RegisterBenchmark((name + "/FromTokens").c_str(), runStatistic<Statistic, true>)->Apply(sizes);
        }
    });
}

} // namespace

int main(int argc, char** argv)
{
    registerStatistics();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
