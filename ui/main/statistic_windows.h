// Which window each statistic of the catalogue opens from the main window's "&Statistiques".
#pragma once

#include "core/statistics_catalogue.h"
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
#include <string>

namespace quorvelle::ui {

/// Opens Window modal over the main window, on its loaded text.
template <class Window>
void openModalOnText(MainWindow& mainWindow)
{
    StatisticsWindow::openModal<Window>(&mainWindow, mainWindow.loadedText());
}

// openWindowOf(statistic, main) opens the window of a statistic that has an item in
// "&Statistiques": one overload each.
inline void openWindowOf(VocabularyStatistic, MainWindow& main) { openModalOnText<VocabularyWindow>(main); }
inline void openWindowOf(LengthsStatistic, MainWindow& main) { openModalOnText<LengthsWindow>(main); }
inline void openWindowOf(LettersStatistic, MainWindow& main) { openModalOnText<LettersWindow>(main); }
inline void openWindowOf(StartEndLettersStatistic, MainWindow& main) { openModalOnText<StartEndLettersWindow>(main); }
inline void openWindowOf(DoubledLettersStatistic, MainWindow& main) { openModalOnText<DoubledLettersWindow>(main); }
inline void openWindowOf(LetterPairsStatistic, MainWindow& main) { openModalOnText<LetterPairsWindow>(main); }
inline void openWindowOf(FrequenciesStatistic, MainWindow& main) { openModalOnText<FrequenciesWindow>(main); }
inline void openWindowOf(CooccurrencesStatistic, MainWindow& main) { openModalOnText<CooccurrencesWindow>(main); }
inline void openWindowOf(RichnessStatistic, MainWindow& main) { openModalOnText<RichnessWindow>(main); }

/// The sentence window keeps its own copy: its sentences refer to the text.
inline void openWindowOf(SentenceLengthsStatistic, MainWindow& main)
{
    StatisticsWindow::openModal<SentenceLengthsWindow>(&main, std::string(main.loadedText()));
}

/// The enrichment is computed behind a wait dialog; it is modal, so the text cannot change
/// before the window reads it.
inline void openWindowOf(EnrichmentStatistic, MainWindow& main)
{
    WaitDialog::launch(&main, [text = main.loadedText()](QWidget* caller) {
        return std::make_unique<EnrichmentWindow>(text, caller);
    });
}

/// The comparison starts on the window where the second text is opened beside the first.
inline void openWindowOf(ComparisonStatistic, MainWindow& main)
{
    StatisticsWindow::openModal<SecondTextWindow>(&main, main.shownText(), main.windowFilePath());
}

} // namespace quorvelle::ui
