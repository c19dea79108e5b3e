// How soon the work of the desktop program stops once given up, on a generated French-like text:
// for each report a window computes, the longest stretch between two checks of its cancellation
// (see core/text/work_cancellation.h), and the time from a cancellation to the report's end.
// Run: build-bench/bench/cancellation_bench (the texts take some 20 s to make).
#include "bench/french_like_text.h"
#include "bench/marked_corpus.h"
#include "core/corpus/corpus.h"
#include "core/corpus/corpus_reports.h"
#include "core/corpus/correspondence_analysis.h"
#include "core/reports/collocate_report.h"
#include "core/reports/concordance.h"
#include "core/reports/dispersion_report.h"
#include "core/reports/sentence_report.h"
#include "core/statistics/all_statistics.h"
#include "core/statistics/corpus_statistic.h"
#include "core/text/work_cancellation.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

using namespace quorvelle;
using Clock = std::chrono::steady_clock;

constexpr std::size_t textBytes = 100'000'000;
// The second text of a comparison: as long as the first, other words in other places.
constexpr std::uint64_t secondTextSeed = 1871;
constexpr std::size_t corpusParts = 50;

// What the windows compute from: the texts analysed beforehand, as the main window analyses
// them on opening, and a corpus of the first text cut in parts.
struct Inputs {
    std::shared_ptr<const std::string> bytes =
        std::make_shared<const std::string>(bench::generateFrenchLikeText(textBytes));
    SharedText first = analyseText(bytes);
    SharedText second =
        analyseText(std::make_shared<const std::string>(bench::generateFrenchLikeText(textBytes, secondTextSeed)));
    Corpus corpus = markedCorpus(bench::markedInParts(*bytes, corpusParts));
    LexicalTable table = lexicalTable(corpus, partition(corpus), LetterRule::Classic);
};

const Inputs& inputs()
{
    static const Inputs made;
    return made;
}

// A computation of the desktop program, its result kept: the program hands it to a window, and
// the time to free it is none of the computation's.
using Work = std::function<std::shared_ptr<const void>(const Inputs&)>;

template <class Result>
std::shared_ptr<const void> kept(Result result)
{
    return std::make_shared<const Result>(std::move(result));
}

template <class Statistic>
Work statisticWork()
{
    return [](const Inputs& in) {
        const AnalysedTexts texts =
            Statistic::info.needsSecondText ? AnalysedTexts(in.first, in.second) : AnalysedTexts(in.first);
        return kept(Statistic::report(texts));
    };
}

// Every report a window computes in a worker thread, by name.
std::vector<std::pair<std::string, Work>> desktopWorks()
{
    std::vector<std::pair<std::string, Work>> works;
    works.emplace_back("analysis", [](const Inputs& in) { return kept(analyseText(in.bytes)); });
    forEachStatistic([&works](auto statistic) {
        using Statistic = decltype(statistic);
        // The sentences' window lists them all, where the catalogue's report writes them out.
        if constexpr (std::is_same_v<Statistic, SentenceLengthsStatistic>)
            works.emplace_back(std::string(Statistic::info.name),
                               [](const Inputs& in) { return kept(sentenceReport(in.first->text())); });
        else
            works.emplace_back(std::string(Statistic::info.name), statisticWork<Statistic>());
    });
    works.emplace_back("specificities/lemmas", [](const Inputs& in) {
        return kept(SpecificitiesStatistic::report(AnalysedTexts(in.first, in.second), CountingUnit::Lemmas));
    });
    works.emplace_back("concordance/de", [](const Inputs& in) {
        return kept(searchConcordance(in.first->text(), in.first->tokens(), "de", PatternSyntax::Wildcards,
                                      {50, ContextUnit::Characters}));
    });
    works.emplace_back("collocates/de", [](const Inputs& in) {
        return kept(searchCollocates(in.first->text(), in.first->tokens(), TextQuery{"de"}));
    });
    works.emplace_back("dispersion/de",
                       [](const Inputs& in) { return kept(searchDispersion(in.first->tokens(), TextQuery{"de"})); });
    works.emplace_back("corpus/table", [](const Inputs& in) {
        return kept(lexicalTable(in.corpus, partition(in.corpus), LetterRule::Classic));
    });
    works.emplace_back("corpus/parts", [](const Inputs& in) { return kept(corpusPartsReport(in.table)); });
    works.emplace_back("corpus/specificities", [](const Inputs& in) { return kept(partSpecificities(in.table, 0)); });
    works.emplace_back("corpus/correspondence",
                       [](const Inputs& in) { return kept(correspondenceAnalysis(in.table)); });
    return works;
}

double milliseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

// The work done once, never cancelled: the longest it went without a check, from its start to
// its first check, between two, or from its last to its end (counter stretch_ms).
void longestStretch(benchmark::State& state, const Work& work)
{
    const Inputs& in = inputs();
    for (auto _ : state) {
        Clock::time_point last = Clock::now();
        const Clock::time_point start = last;
        Clock::duration longest{};
        std::shared_ptr<const void> result;
        {
            const CancellationScope scope([&] {
                const Clock::time_point now = Clock::now();
                longest = std::max(longest, now - last);
                last = now;
                return false;
            });
            result = work(in);
        }
        const Clock::time_point end = Clock::now();
        longest = std::max(longest, end - last);
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        state.counters["stretch_ms"] = milliseconds(longest);
    }
}

// The work in a thread of its own, cancelled after the benchmark's argument in milliseconds;
// the time measured is from the cancellation to the thread's end (counter finished_first: the
// work ended before it was cancelled).
void cancelToEnd(benchmark::State& state, const Work& work)
{
    const Inputs& in = inputs();
    const std::chrono::milliseconds delay(state.range(0));
    for (auto _ : state) {
        std::atomic<bool> cancelled = false;
        std::atomic<bool> ended = false;
        bool stopped = false;
        std::shared_ptr<const void> result;
        std::thread worker([&] {
            const CancellationScope scope([&cancelled] { return cancelled.load(std::memory_order_relaxed); });
            try {
                result = work(in);
            } catch (const WorkCancelled&) {
                stopped = true;
            }
            ended = true;
        });
        std::this_thread::sleep_for(delay);
        const bool finishedFirst = ended;
        const Clock::time_point cancelledAt = Clock::now();
        cancelled = true;
        worker.join();
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - cancelledAt).count());
        state.counters["finished_first"] = finishedFirst ? 1 : 0;
        state.counters["stopped"] = stopped ? 1 : 0;
    }
}

void registerWorks()
{
    for (const auto& [name, work] : desktopWorks()) {
        benchmark::RegisterBenchmark(("LongestStretch/" + name).c_str(), longestStretch, work)
            ->Iterations(1)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("CancelToEnd/" + name).c_str(), cancelToEnd, work)
            ->Arg(100)
            ->Arg(400)
            ->Arg(1500)
            ->Iterations(1)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
}

} // namespace

int main(int argc, char** argv)
{
    registerWorks();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
