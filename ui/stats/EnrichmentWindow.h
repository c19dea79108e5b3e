// Vocabulary enrichment: the new forms of each slice of 100 forms.
#pragma once

#include "core/reports/enrichment_report.h"
#include "ui/ReportTableModel.h"
#include "ui/stats/StatisticsWindow.h"

namespace quorvelle::ui {

class LinkedLists;

/// Opened from the main window's "L'&enrichissement du vocabulaire" through the wait dialog.
/// Presents the core's EnrichmentReport: N; for each slice of 100 forms its number of new
/// forms, in two parallel lists either of which drives; the new forms of the selected slice,
/// with their attestations in it, in formsBox. Nothing is selected on opening.
class EnrichmentWindow final : public StatisticsWindow {
    Q_OBJECT
public:
    EnrichmentWindow(SharedText text, EnrichmentReport report, QWidget* parent);

private slots:
    void showNewFormsOfRow(int row);
    void openEnrichmentChart();

private:
    using SlicesModel = RowTableModel<EnrichmentSlice>;

    EnrichmentReport report_;

    SlicesModel* slicesModel_;
    LoadedTextBox* formsBox;
};

} // namespace quorvelle::ui
