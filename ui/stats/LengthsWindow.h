// Forms by number of characters: the lengths that occur, how many forms have each, and the
// forms of a chosen length.
#pragma once

#include "core/reports/length_report.h"
#include "ui/ReportTableModel.h"
#include "ui/stats/StatisticsWindow.h"

class QPushButton;

namespace quorvelle::ui {

class LinkedLists;

/// Opened modal from the main window's "&Formes / caractères". Presents the core's
/// LengthReport in three parallel lists driven by formCountList (numbers of forms, lengths,
/// percentages), sortable by each column in either direction, and lists in formsBox the forms
/// of the selected length.
class LengthsWindow final : public StatisticsWindow {
    Q_OBJECT
public:
    /// Loads the window: computes the report of text (code page 1252), fills the lists and
    /// selects the first row.
    LengthsWindow(SharedText text, LengthReport report, QWidget* parent);

private slots:
    void showFormsOfRow(int row);
    /// The chart of the rows in their current order.
    void openLengthsChart();

private:
    using LengthModel = RowTableModel<LengthRow>;

    /// A column's pair of sort buttons, of which one shows at a time: while the ascending one
    /// shows, the next sort is ascending; then the descending one takes its place, and the next
    /// sort is descending.
    struct SortButtons {
        QPushButton* ascending;
        QPushButton* descending;
    };

    QPushButton* sortButton(int column, SortDirection direction, QWidget* parent);
    void sortBy(LengthColumn column, const SortButtons& buttons);

    LengthReport report_;

    LengthModel* rowsModel_;
    LinkedLists* lists_;
    LoadedTextBox* formsBox;
};

} // namespace quorvelle::ui
