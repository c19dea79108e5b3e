// Benchmarks of the core reports over generated French-like text of growing sizes.
#include "bench/french_like_text.h"
#include "core/character_counts.h"
#include "core/cooccurrence_report.h"
#include "core/edge_letter_report.h"
#include "core/enrichment_report.h"
#include "core/frequency_report.h"
#include "core/key_distribution.h"
#include "core/length_report.h"
#include "core/segmentation.h"
#include "core/sentence_report.h"
#include "core/tokenized_text.h"
#include "core/vocabulary_comparison.h"
#include "core/vocabulary_report.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <map>
#include <string>
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

// The report type names the overload: from the text, or from the tokenized text.
template <typename Report, Report (*report)(std::string_view)>
void runReport(benchmark::State& state)
{
    const std::string& text = textOfSize(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(report(text));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
}

// Reports computed from a text tokenized beforehand, as `quorvelle-cli all` computes them.
const quorvelle::TokenizedText& tokensOfSize(std::size_t bytes, std::uint64_t seed = defaultSeed)
{
    static std::map<SizeAndSeed, quorvelle::TokenizedText> tokenized;
    auto found = tokenized.find({bytes, seed});
    if (found == tokenized.end())
        found = tokenized.emplace(SizeAndSeed{bytes, seed}, quorvelle::tokenize(textOfSize(bytes, seed))).first;
    return found->second;
}

template <typename Report, Report (*report)(const quorvelle::TokenizedText&)>
void runReportOnTokens(benchmark::State& state)
{
    const auto bytes = static_cast<std::size_t>(state.range(0));
    const quorvelle::TokenizedText& tokens = tokensOfSize(bytes);
    for (auto _ : state)
        benchmark::DoNotOptimize(report(tokens));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes));
}

void sizes(benchmark::internal::Benchmark* benchmark)
{
    for (const std::int64_t bytes : {64'000, 1'000'000, 10'000'000, 100'000'000})
        benchmark->Arg(bytes);
    benchmark->Unit(benchmark::kMillisecond)->UseRealTime();
}

using namespace quorvelle;

// The second text of a comparison: as long as the first, other words in other places.
constexpr std::uint64_t secondTextSeed = 1871;

void runComparison(benchmark::State& state)
{
    const auto bytes = static_cast<std::size_t>(state.range(0));
    const std::string& first = textOfSize(bytes);
    const std::string& second = textOfSize(bytes, secondTextSeed);
    for (auto _ : state)
        benchmark::DoNotOptimize(vocabularyComparison(first, second));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(2 * bytes));
}

void runComparisonOnTokens(benchmark::State& state)
{
    const auto bytes = static_cast<std::size_t>(state.range(0));
    const TokenizedText& first = tokensOfSize(bytes);
    const TokenizedText& second = tokensOfSize(bytes, secondTextSeed);
    for (auto _ : state)
        benchmark::DoNotOptimize(vocabularyComparison(first, second));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(2 * bytes));
}

BENCHMARK(runReport<std::int64_t, countForms>)->Name("Segmentation")->Apply(sizes);
// The shared tokenization of `all`, occurrences kept.
TokenizedText tokenizeKeepingOccurrences(std::string_view text)
{
    return tokenize(text);
}

BENCHMARK(runReport<CharacterCounts, countCharacters>)->Name("CharacterCounts")->Apply(sizes);
BENCHMARK(runReport<TokenizedText, tokenizeKeepingOccurrences>)->Name("Tokenize")->Apply(sizes);
BENCHMARK(runReport<VocabularyReport, vocabularyReport>)->Name("VocabularyReport")->Apply(sizes);
BENCHMARK(runReportOnTokens<VocabularyReport, vocabularyReport>)->Name("VocabularyReport/FromTokens")->Apply(sizes);
BENCHMARK(runReport<LengthReport, lengthReport>)->Name("LengthReport")->Apply(sizes);
BENCHMARK(runReportOnTokens<LengthReport, lengthReport>)->Name("LengthReport/FromTokens")->Apply(sizes);
BENCHMARK(runReport<LetterReport, letterReport>)->Name("LetterReport")->Apply(sizes);
BENCHMARK(runReportOnTokens<LetterReport, letterReport>)->Name("LetterReport/FromTokens")->Apply(sizes);
BENCHMARK(runReport<EdgeLetterReport, edgeLetterReport>)->Name("EdgeLetterReport")->Apply(sizes);
BENCHMARK(runReportOnTokens<EdgeLetterReport, edgeLetterReport>)->Name("EdgeLetterReport/FromTokens")->Apply(sizes);
BENCHMARK(runReport<DoubledLetterReport, doubledLetterReport>)->Name("DoubledLetterReport")->Apply(sizes);
BENCHMARK(runReportOnTokens<DoubledLetterReport, doubledLetterReport>)->Name("DoubledLetterReport/FromTokens")->Apply(sizes);
BENCHMARK(runReport<LetterPairReport, letterPairReport>)->Name("LetterPairReport")->Apply(sizes);
BENCHMARK(runReportOnTokens<LetterPairReport, letterPairReport>)->Name("LetterPairReport/FromTokens")->Apply(sizes);
BENCHMARK(runReport<FrequencyReport, frequencyReport>)->Name("FrequencyReport")->Apply(sizes);
BENCHMARK(runReportOnTokens<FrequencyReport, frequencyReport>)->Name("FrequencyReport/FromTokens")->Apply(sizes);
BENCHMARK(runReport<CooccurrenceReport, cooccurrenceReport>)->Name("CooccurrenceReport")->Apply(sizes);
BENCHMARK(runReportOnTokens<CooccurrenceReport, cooccurrenceReport>)->Name("CooccurrenceReport/FromTokens")->Apply(sizes);
// Sentences are cut from the characters, never from the tokenized text.
BENCHMARK(runReport<SentenceReport, sentenceReport>)->Name("SentenceReport")->Apply(sizes);
BENCHMARK(runReport<EnrichmentReport, enrichmentReport>)->Name("EnrichmentReport")->Apply(sizes);
BENCHMARK(runReportOnTokens<EnrichmentReport, enrichmentReport>)->Name("EnrichmentReport/FromTokens")->Apply(sizes);
// Two texts of the same size, both tokenized in the first form.
BENCHMARK(runComparison)->Name("VocabularyComparison")->Apply(sizes);
BENCHMARK(runComparisonOnTokens)->Name("VocabularyComparison/FromTokens")->Apply(sizes);

} // namespace

BENCHMARK_MAIN();
