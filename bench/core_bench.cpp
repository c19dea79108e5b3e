// Benchmarks of the core reports over generated French-like text of growing sizes.
#include "bench/french_like_text.h"
#include "core/character_counts.h"
#include "core/segmentation.h"
#include "core/tokenized_text.h"
#include "core/vocabulary_report.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <map>
#include <string>

namespace {

using quorvelle::bench::generateFrenchLikeText;

// Each size is generated once and shared by every benchmark.
const std::string& textOfSize(std::size_t bytes)
{
    static std::map<std::size_t, std::string> texts;
    auto found = texts.find(bytes);
    if (found == texts.end())
        found = texts.emplace(bytes, generateFrenchLikeText(bytes)).first;
    return found->second;
}

template <auto report>
void runReport(benchmark::State& state)
{
    const std::string& text = textOfSize(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(report(text));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
}

// Reports computed from a text tokenized beforehand, as `quorvelle-cli all` computes them.
const quorvelle::TokenizedText& tokensOfSize(std::size_t bytes)
{
    static std::map<std::size_t, quorvelle::TokenizedText> tokenized;
    auto found = tokenized.find(bytes);
    if (found == tokenized.end())
        found = tokenized.emplace(bytes, quorvelle::tokenize(textOfSize(bytes))).first;
    return found->second;
}

template <auto report>
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

BENCHMARK(runReport<quorvelle::countForms>)->Name("Segmentation")->Apply(sizes);
BENCHMARK(runReport<quorvelle::countCharacters>)->Name("CharacterCounts")->Apply(sizes);
BENCHMARK(runReport<quorvelle::tokenize>)->Name("Tokenize")->Apply(sizes);
BENCHMARK(runReport<static_cast<quorvelle::VocabularyReport (*)(std::string_view)>(quorvelle::vocabularyReport)>)
    ->Name("VocabularyReport")
    ->Apply(sizes);
BENCHMARK(runReportOnTokens<static_cast<quorvelle::VocabularyReport (*)(const quorvelle::TokenizedText&)>(
              quorvelle::vocabularyReport)>)
    ->Name("VocabularyReport/FromTokens")
    ->Apply(sizes);

} // namespace

BENCHMARK_MAIN();
