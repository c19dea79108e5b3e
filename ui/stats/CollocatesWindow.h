// The forms that come near a form more often than chance would bring them.
#pragma once

#include "core/reports/collocate_report.h"
#include "ui/ReportTableModel.h"
#include "ui/stats/StatisticsWindow.h"

#include <QList>

#include <array>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QModelIndex;
class QSpinBox;
class QTableView;

namespace quorvelle::ui {

class FormFilterBar;

/// Opened beside the concordance of a form or of a pattern ("Cooccurrents"), not modal. Presents the core's
/// CollocateReport: in collocateGrid, the forms found within the span chosen in spanBox around
/// the pivot (within its sentence unless sameSentenceBox is unticked), at least
/// minCountBox times and with a score of at least the one chosen in minScoreBox, by score
/// decreasing, each score explaining its computation. A new span is computed off the interface
/// thread; new thresholds only filter.
/// Double-clicking a form shows it in context.
class CollocatesWindow final : public StatisticsWindow {
    Q_OBJECT
public:
    /// The lowest scores offered; the default one is selected at first.
    static constexpr std::array minScores{1.0, 2.0, 3.0, 5.0, 10.0};

    /// Computes the report around what pivot finds in text (one form or one pattern, see
    /// searchCollocates) with the default options off the interface thread (see
    /// WaitDialog::waitFor), then shows it beside parent.
    static void open(QWidget* parent, SharedText text, TextQuery pivot);

    CollocatesWindow(SharedText text, TextQuery pivot, CollocateReport report, QWidget* parent);

private slots:
    void computeWithChosenSpan();
    void showCollocates();
    void showFormInContext(const QModelIndex& index);

private:
    using RowsModel = RowTableModel<Collocate>;

    void buildUi();

    SharedText text_;
    TextQuery pivot_;
    CollocateReport report_;
    std::vector<std::size_t> shown_; ///< the places in report_.collocates of the rows shown
    RowsModel* rowsModel_;
    QList<QLabel*> figureValues_; ///< the values of the pivot's figures, in their order
    QLabel* shownCountValue;
    QSpinBox* spanBox;
    QCheckBox* sameSentenceBox;
    QSpinBox* minCountBox;
    QComboBox* minScoreBox;
    FormFilterBar* filterBar;
    QTableView* collocateGrid;
};

} // namespace quorvelle::ui
