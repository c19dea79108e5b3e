// Which window each statistic of the catalogue opens from the main window's "&Statistiques".
#pragma once

#include "core/statistics/comparison_statistic.h"
#include "core/statistics/cooccurrences_statistic.h"
#include "core/statistics/doubled_letters_statistic.h"
#include "core/statistics/enrichment_statistic.h"
#include "core/statistics/frequencies_statistic.h"
#include "core/statistics/lemmas_statistic.h"
#include "core/statistics/lengths_statistic.h"
#include "core/statistics/letter_pairs_statistic.h"
#include "core/statistics/letters_statistic.h"
#include "core/statistics/richness_statistic.h"
#include "core/statistics/segments_statistic.h"
#include "core/statistics/sentence_lengths_statistic.h"
#include "core/statistics/start_end_letters_statistic.h"
#include "core/statistics/vocabulary_statistic.h"
#include "ui/TextAnalysis.h"
#include "ui/WaitDialog.h"
#include "ui/main/MainWindow.h"
#include "ui/missing_dictionary.h"
#include "ui/stats/CooccurrencesWindow.h"
#include "ui/stats/DoubledLettersWindow.h"
#include "ui/stats/EnrichmentWindow.h"
#include "ui/stats/FrequenciesWindow.h"
#include "ui/stats/LemmasWindow.h"
#include "ui/stats/LengthsWindow.h"
#include "ui/stats/LetterPairsWindow.h"
#include "ui/stats/LettersWindow.h"
#include "ui/stats/RichnessWindow.h"
#include "ui/stats/SecondTextWindow.h"
#include "ui/stats/SegmentsWindow.h"
#include "ui/stats/SentenceLengthsWindow.h"
#include "ui/stats/StartEndLettersWindow.h"
#include "ui/stats/VocabularyWindow.h"
#include "ui/studied_files.h"
#include "ui/window_opening.h"

#include <QFuture>

#include <memory>
#include <optional>
#include <type_traits>
#include <utility>

namespace quorvelle::ui {

/// WindowOf<Statistic>::type is the window of a statistic that has an item in "&Statistiques".
template <class Statistic>
struct WindowOf;

// One line a statistic, kept as a table.
// clang-format off
template <> struct WindowOf<VocabularyStatistic> { using type = VocabularyWindow; };
template <> struct WindowOf<LengthsStatistic> { using type = LengthsWindow; };
template <> struct WindowOf<LettersStatistic> { using type = LettersWindow; };
template <> struct WindowOf<StartEndLettersStatistic> { using type = StartEndLettersWindow; };
template <> struct WindowOf<DoubledLettersStatistic> { using type = DoubledLettersWindow; };
template <> struct WindowOf<LetterPairsStatistic> { using type = LetterPairsWindow; };
template <> struct WindowOf<FrequenciesStatistic> { using type = FrequenciesWindow; };
template <> struct WindowOf<CooccurrencesStatistic> { using type = CooccurrencesWindow; };
template <> struct WindowOf<SegmentsStatistic> { using type = SegmentsWindow; };
template <> struct WindowOf<SentenceLengthsStatistic> { using type = SentenceLengthsWindow; };
template <> struct WindowOf<EnrichmentStatistic> { using type = EnrichmentWindow; };
/// The comparison starts on the window where the second text is opened beside the first.
template <> struct WindowOf<ComparisonStatistic> { using type = SecondTextWindow; };
template <> struct WindowOf<RichnessStatistic> { using type = RichnessWindow; };
template <> struct WindowOf<LemmasStatistic> { using type = LemmasWindow; };
// clang-format on

/// The statistics one consults while working in the other windows open beside the main window
/// rather than modal over it, as the classic statistics open.
template <class Statistic>
inline constexpr bool opensBeside = false;
template <>
inline constexpr bool opensBeside<SegmentsStatistic> = true;
template <>
inline constexpr bool opensBeside<RichnessStatistic> = true;
template <>
inline constexpr bool opensBeside<LemmasStatistic> = true;

/// What compute makes of the main window's text as it now stands, computed off the interface
/// thread once the text is analysed (see resultAfterWaiting); the wait dialog shows the
/// analysis's progress.
template <class Compute>
auto computeFromText(MainWindow& main, Compute compute) -> std::optional<std::invoke_result_t<Compute, SharedText>>
{
    const QFuture<SharedText> analysis = main.analysis();
    return resultAfterWaiting(&main, computeWhenAnalysed(std::move(compute), analysis), QFuture<void>(analysis));
}

/// The report a statistic's window shows: the catalogue's, unless the window shows another.
template <class Statistic>
auto windowReport(const AnalysedTexts& texts)
{
    return Statistic::report(texts);
}

/// The sentences window lists every sentence with its length, where the catalogue's report
/// only writes them out one by one.
template <>
inline auto windowReport<SentenceLengthsStatistic>(const AnalysedTexts& texts)
{
    return sentenceReport(texts.first(), texts.letters());
}

/// Opens the window of a statistic over the main window, on the report of its text: modal, or
/// beside it (see opensBeside).
template <class Statistic>
void openWindowOf(MainWindow& main)
{
    using Report = decltype(windowReport<Statistic>(std::declval<const AnalysedTexts&>()));
    using Window = typename WindowOf<Statistic>::type;
    std::optional<std::pair<SharedText, Report>> computed = computeFromText(main, [](SharedText text) {
        Report report = windowReport<Statistic>(AnalysedTexts(text));
        return std::pair(std::move(text), std::move(report));
    });
    if (!computed)
        return;
    if constexpr (opensBeside<Statistic>)
        openModeless<Window>(&main, std::move(computed->first), std::move(computed->second));
    else
        openModal<Window>(&main, std::move(computed->first), std::move(computed->second));
}

/// The lemmas window keeps the lemmatization beside its report, to find a lemma's occurrences;
/// without the French dictionary, it says which package to install.
template <>
inline auto windowReport<LemmasStatistic>(const AnalysedTexts& texts)
{
    return LemmasStatistic::analysis(texts);
}

template <>
inline void openWindowOf<LemmasStatistic>(MainWindow& main)
{
    using Statistic = LemmasStatistic;
    try {
        std::optional<std::pair<SharedText, LemmaAnalysis>> computed = computeFromText(main, [](SharedText text) {
            LemmaAnalysis analysis = windowReport<Statistic>(AnalysedTexts(text));
            return std::pair(std::move(text), std::move(analysis));
        });
        if (computed)
            openModeless<LemmasWindow>(&main, std::move(computed->first), std::move(computed->second));
    } catch (const DictionaryError& error) {
        reportMissingDictionary(&main, utf8Text(Statistic::info.title), error);
    }
}

/// The second text's window starts with the main window's text, analysed, and its path.
template <>
inline void openWindowOf<ComparisonStatistic>(MainWindow& main)
{
    if (std::optional<SharedText> text = computeFromText(main, [](SharedText analysed) { return analysed; }))
        openModal<SecondTextWindow>(&main, std::move(*text), studiedFiles(&main).value(0));
}

} // namespace quorvelle::ui
