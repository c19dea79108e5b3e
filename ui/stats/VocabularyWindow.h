// The vocabulary list window: every distinct form with its attestations, and the totals.
#pragma once

#include "core/vocabulary_report.h"
#include "ui/ReportTableModel.h"
#include "ui/stats/StatisticsWindow.h"

#include <string_view>

class QAction;
class QPushButton;
class QTableView;

namespace quorvelle::ui {

class VocabularyTotals;
/// Opened modal from the main window's "&Liste du vocabulaire". Presents the core's
/// VocabularyReport: the grid in alphabetical order or by decreasing frequency, and N, D and
/// the mean frequency of attestation.
class VocabularyWindow final : public StatisticsWindow {
    Q_OBJECT
public:
    /// Loads the window: computes the report of text (code page 1252) and fills the widgets.
    /// The text must stay as it is while the window is open: its forms are shown in context.
    VocabularyWindow(std::string_view text, QWidget* parent);

private slots:
    void Command1_Click();
    void imprimer_Click();
    /// The current row's form in context (double-click, Enter or "Voir en contexte").
    void grille01_DblClick();
    void fermer_Click();

private:
    enum class GridOrder { Alphabetical, ByFrequency };

    void buildUi();
    void connectSignals();
    void Form_Load(std::string_view text);
    void fillAlphabetical();
    void fillByFrequency();

    std::string_view text_;
    VocabularyReport report_;
    GridOrder order_ = GridOrder::Alphabetical;

    QTableView* grille01;
    RowTableModel<FormCount>* gridModel_;
    QPushButton* Command1;
    VocabularyTotals* Frame1;
    QAction* imprimer;
    QAction* fermer;
};

} // namespace quorvelle::ui
