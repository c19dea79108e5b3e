// The vocabulary list window: every distinct form with its attestations, and the totals.
#pragma once

#include "core/reports/vocabulary_report.h"
#include "ui/ReportTableModel.h"
#include "ui/stats/StatisticsWindow.h"

#include <string_view>

class QPushButton;
class QTableView;

namespace quorvelle::ui {

class FormFilterBar;

/// Opened modal from the main window's "&Liste du vocabulaire". Presents the core's
/// VocabularyReport: the grid in alphabetical order or by decreasing frequency, and N, D and
/// the mean frequency of attestation; the rows filtered as the user types, and function words
/// left out on request; "&Graphique" › "&Nuage de mots" draws the most frequent forms.
class VocabularyWindow final : public StatisticsWindow {
    Q_OBJECT
public:
    /// Loads the window: computes the report of text (code page 1252) and fills the widgets.
    /// The text must stay as it is while the window is open: its forms are shown in context.
    VocabularyWindow(SharedText text, VocabularyReport report, QWidget* parent);

private slots:
    /// From the alphabetical order to the order by decreasing frequency, and back.
    void switchOrder();
    void printVocabulary();
    /// The cloud of the most frequent forms, beside the window.
    void openWordCloud();
    /// The current row's form in context (double-click, Enter or "Voir en contexte").
    void showFormInContext();

private:
    enum class GridOrder { Alphabetical, ByFrequency };

    using GridModel = RowTableModel<FormCount>;

    /// The rows of the order chosen that the filter bar lets through.
    void showRows();

    SharedText text_;
    VocabularyReport report_;
    GridOrder order_ = GridOrder::Alphabetical;

    GridModel* gridModel_;
    FormFilterBar* filterBar;
    QTableView* vocabularyGrid;
    QPushButton* switchOrderButton;
};

} // namespace quorvelle::ui
