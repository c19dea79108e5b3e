// Attestation frequencies and their deviations from the mean.
#pragma once

#include "core/presentation/chart_data.h"
#include "core/reports/frequency_report.h"
#include "ui/ReportTableModel.h"
#include "ui/stats/StatisticsWindow.h"

namespace quorvelle::ui {

class LinkedLists;

/// Opened modal from the main window's "&Calcul des écarts". Presents the core's
/// FrequencyReport: N, D and the mean frequency; for each frequency that occurs, its number of
/// forms and its deviation from the mean (three parallel lists driven by frequencyList); the
/// forms of the selected frequency in formsBox. The first row is selected on opening. Its
/// charts: the deviations on either side of the mean, and Zipf's law over the whole text.
class FrequenciesWindow final : public StatisticsWindow {
    Q_OBJECT
public:
    FrequenciesWindow(SharedText text, FrequencyReport report, QWidget* parent);

private slots:
    void showFormsOfRow(int row);
    void openZipfChart();

private:
    using RowsModel = RowTableModel<FrequencyRow>;

    std::vector<DeviationChartRow> deviationRows() const;

    SharedText text_;
    FrequencyReport report_;

    RowsModel* rowsModel_;
    LoadedTextBox* formsBox;
};

} // namespace quorvelle::ui
