// The runs of forms that a text repeats.
#pragma once

#include "core/reports/repeated_segments.h"
#include "ui/ReportTableModel.h"
#include "ui/stats/StatisticsWindow.h"

#include <vector>

class QCheckBox;
class QLabel;
class QModelIndex;
class QSpinBox;
class QTableView;

namespace quorvelle::ui {

class FormFilterBar;

/// Opened beside the main window, not modal, by its "Les &segments répétés". Presents the core's
/// RepeatedSegmentsReport: in segmentGrid, the segments attested at least minFrequencyBox
/// times, of minLengthBox to maxLengthBox forms (0: no bound), only the maximal ones when
/// maximalBox is ticked; by frequency, alphabetically or by length as the clicked heading
/// asks. New choices are computed off the interface thread. Double-clicking a segment shows
/// it in context.
class SegmentsWindow final : public StatisticsWindow {
    Q_OBJECT
public:
    SegmentsWindow(SharedText text, RepeatedSegmentsReport report, QWidget* parent);

private slots:
    void computeWithChosenOptions();
    void showSegments();
    void showSegmentInContext(const QModelIndex& index);

private:
    using RowsModel = RowTableModel<RepeatedSegment>;

    SegmentOptions chosenOptions() const;
    void showOptions(const SegmentOptions& options);

    SharedText text_;
    RepeatedSegmentsReport report_;
    std::vector<std::size_t> shown_; ///< the places in report_.segments of the rows, in their order
    int sortedColumn_ = -1;          ///< the column the rows were last sorted by
    RowsModel* rowsModel_;
    QLabel* segmentCountValue;
    QSpinBox* minFrequencyBox;
    QSpinBox* minLengthBox;
    QSpinBox* maxLengthBox;
    QCheckBox* maximalBox;
    FormFilterBar* filterBar;
    QTableView* segmentGrid;
};

} // namespace quorvelle::ui
