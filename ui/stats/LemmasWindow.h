// The lemmas of a text, their categories and forms, and the profile of its categories.
#pragma once

#include "core/lemmas/lemma_report.h"
#include "ui/ReportTableModel.h"
#include "ui/stats/StatisticsWindow.h"

#include <array>
#include <cstddef>
#include <vector>

class QCheckBox;
class QLabel;
class QModelIndex;
class QTableView;

namespace quorvelle::ui {

class FormFilterBar;

/// Opened beside the main window, not modal, by its "Lemmes et caté&gories". Presents the core's
/// LemmaAnalysis: in lemmaGrid, the lemmas of the categories ticked in categoryChecks, by
/// attestations or in the order of the clicked heading; in lemmaFormGrid, the forms of the
/// current lemma; in categoryGrid, the profile of the categories, which "&Graphique" charts.
/// Enter or a double click on a lemma shows every occurrence read as it in context.
class LemmasWindow final : public StatisticsWindow {
    Q_OBJECT
public:
    LemmasWindow(SharedText text, LemmaAnalysis analysis, QWidget* parent);

private slots:
    void showLemmas();
    void showFormsOfRow(const QModelIndex& current);
    void showLemmaInContext(const QModelIndex& index);
    void openCategoryChart();

private:
    /// The rows of report_.lemmas in the order of the clicked heading.
    std::vector<std::size_t> sortedRows(int column) const;
    bool isShown(const LemmaRow& row) const;

    SharedText text_;
    LemmaAnalysis analysis_;
    int sortedColumn_ = -1; ///< the column the rows were last sorted by
    RowTableModel<LemmaRow>* lemmasModel_;
    RowTableModel<FormCount>* formsModel_;
    RowTableModel<CategoryRow>* categoriesModel_;
    QLabel* shownCountValue;
    std::array<QCheckBox*, allWordCategories.size()> categoryChecks;
    FormFilterBar* filterBar;
    QTableView* lemmaGrid;
    QTableView* lemmaFormGrid;
    QTableView* categoryGrid;
};

} // namespace quorvelle::ui
