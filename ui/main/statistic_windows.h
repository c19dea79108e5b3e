// Which window each statistic of the catalogue opens from the main window's "&Statistiques".
#pragma once

#include "core/catalogue/statistics_catalogue.h"
#include "ui/main/MainWindow.h"
#include "ui/shell/WaitDialog.h"
#include "ui/stats/CooccurrencesWindow.h"
#include "ui/stats/DoubledLettersWindow.h"
#include "ui/stats/EnrichmentWindow.h"
#include "ui/stats/FrequenciesWindow.h"
#include "ui/stats/LengthsWindow.h"
#include "ui/stats/LetterPairsWindow.h"
#include "ui/stats/LettersWindow.h"
#include "ui/stats/RichnessWindow.h"
#include "ui/stats/SecondTextWindow.h"
#include "ui/stats/SentenceLengthsWindow.h"
#include "ui/stats/StartEndLettersWindow.h"
#include "ui/stats/VocabularyWindow.h"

#include <memory>

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
template <> struct WindowOf<SentenceLengthsStatistic> { using type = SentenceLengthsWindow; };
template <> struct WindowOf<EnrichmentStatistic> { using type = EnrichmentWindow; };
/// The comparison starts on the window where the second text is opened beside the first.
template <> struct WindowOf<ComparisonStatistic> { using type = SecondTextWindow; };
template <> struct WindowOf<RichnessStatistic> { using type = RichnessWindow; };
// clang-format on

/// Opens the window of a statistic modal over the main window, on its loaded text.
template <class Statistic>
void openWindowOf(MainWindow& main)
{
    StatisticsWindow::openModal<typename WindowOf<Statistic>::type>(&main, main.loadedText());
}

/// The enrichment is computed behind a wait dialog; it is modal, so the text cannot change
/// before the window reads it.
template <>
inline void openWindowOf<EnrichmentStatistic>(MainWindow& main)
{
    WaitDialog::launch(&main, [text = main.loadedText()](QWidget* caller) {
        return std::make_unique<EnrichmentWindow>(text, caller);
    });
}

/// The second text's window starts with the first as the text box shows it, and its path.
template <>
inline void openWindowOf<ComparisonStatistic>(MainWindow& main)
{
    StatisticsWindow::openModal<SecondTextWindow>(&main, main.shownText(), main.windowFilePath());
}

} // namespace quorvelle::ui
