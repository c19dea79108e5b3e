// Benchmarks of the core reports over generated French-like text of growing sizes.
#include "bench/french_like_text.h"
#include "core/character_counts.h"
#include "core/edge_letter_report.h"
#include "core/key_distribution.h"
#include "core/length_report.h"
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
const quorvelle::TokenizedText& tokensOfSize(std::size_t bytes)
{
    static std::map<std::size_t, quorvelle::TokenizedText> tokenized;
    auto found = tokenized.find(bytes);
    if (found == tokenized.end())
        found = tokenized.emplace(bytes, quorvelle::tokenize(textOfSize(bytes))).first;
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

BENCHMARK(runReport<std::int64_t, countForms>)->Name("Segmentation")->Apply(sizes);
BENCHMARK(runReport<CharacterCounts, countCharacters>)->Name("CharacterCounts")->Apply(sizes);
BENCHMARK(runReport<TokenizedText, tokenize>)->Name("Tokenize")->Apply(sizes);
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

} // namespace

BENCHMARK_MAIN();
