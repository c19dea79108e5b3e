// The forms that one of two texts uses significantly more than the other.
#pragma once

#include "core/reports/specificity_report.h"
#include "ui/ReportTableModel.h"
#include "ui/stats/StatisticsWindow.h"

#include <QFuture>
#include <QList>

#include <array>
#include <vector>

class QComboBox;
class QLabel;
class QModelIndex;
class QTableView;

namespace quorvelle::ui {

class FormFilterBar;

/// Opened beside the comparison of two texts, not modal. Presents the core's SpecificityReport: in
/// specificityGrid, the forms whose specificity reaches the threshold chosen in thresholdBox,
/// by specificity decreasing or by the column whose heading was clicked; the numbers of forms
/// of each text and of the forms specific to each. The totals and the grid's scores and
/// frequencies explain their computation. Double-clicking a form shows it in context
/// in the text that uses it more. unitBox compares the texts' lemmas in place of their forms,
/// computed off the interface thread. The chart shows the twenty forms that reach the threshold
/// with the highest specificities and the twenty with the lowest; the word cloud, those of text 1
/// that reach it, sized by their specificity.
class SpecificitiesWindow final : public StatisticsWindow {
    Q_OBJECT
public:
    /// The thresholds offered; the default one is selected at first.
    static constexpr std::array thresholds{1.0, 2.0, 3.0, 5.0, 10.0};

    /// Computes the report off the interface thread once both texts are analysed (see
    /// WaitDialog::waitFor), then shows it beside parent.
    static void open(QWidget* parent, const QFuture<SharedText>& text1, const QFuture<SharedText>& text2);

    SpecificitiesWindow(SharedText text1, SharedText text2, SpecificityReport report, QWidget* parent);

private slots:
    void applyChosenThreshold();
    void computeWithChosenUnit();
    void openSpecificitiesChart();
    void openWordCloud();
    void showFormInContext(const QModelIndex& index);

private:
    using RowsModel = RowTableModel<SpecificForm>;

    void buildUi();
    /// The forms that reach the threshold, in the order the grid's sort indicator asks.
    void showSpecificForms();

    SharedText text1_;
    SharedText text2_;
    SpecificityReport report_;
    std::vector<std::size_t> shown_; ///< the places in report_.forms of the rows shown
    RowsModel* rowsModel_;
    FormFilterBar* filterBar;
    QTableView* specificityGrid;
    QComboBox* thresholdBox;
    QComboBox* unitBox;
    QList<QLabel*> figureValues_; ///< the values of the statistic's figures, in their order
};

} // namespace quorvelle::ui
