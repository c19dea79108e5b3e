// Co-occurrences: pairs of forms that follow each other, attested more than once.
#pragma once

#include "core/reports/cooccurrence_report.h"
#include "ui/ReportTableModel.h"
#include "ui/stats/StatisticsWindow.h"

namespace quorvelle::ui {

class LinkedLists;

/// Opened modal from the main window's "Les c&ooccurrences". Presents the core's
/// CooccurrenceReport: for each number of attestations, how many distinct pairs have it (two
/// parallel lists driven by attestationCountList), and in pairsBox the pairs of the selected
/// number, or every pair in alphabetical order or by number of attestations. The first row is
/// selected on opening.
class CooccurrencesWindow final : public StatisticsWindow {
    Q_OBJECT
public:
    CooccurrencesWindow(SharedText text, CooccurrenceReport report, QWidget* parent);

private slots:
    void showPairsOfRow(int row);

private:
    using RowsModel = RowTableModel<CooccurrenceRow>;

    void listPairs(FormList pairs);

    CooccurrenceReport report_;

    RowsModel* rowsModel_;
    LinkedLists* lists_;
    LoadedTextBox* pairsBox;
};

} // namespace quorvelle::ui
