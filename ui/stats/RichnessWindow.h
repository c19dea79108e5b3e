// The richness of the vocabulary: the classic measures of a text's lexical variety.
#pragma once

#include "core/catalogue/figure.h"
#include "core/reports/richness_report.h"
#include "ui/ReportTableModel.h"
#include "ui/stats/StatisticsWindow.h"

namespace quorvelle::ui {

/// Opened beside the main window, not modal, by its "&Richesse du vocabulaire". Presents the core's
/// RichnessReport: N, V and V1, then each measure with its value (four significant digits,
/// "—" where the text cannot define it), its formula and what it measures.
class RichnessWindow final : public StatisticsWindow {
    Q_OBJECT
public:
    /// Loads the window: computes the report of text (code page 1252).
    RichnessWindow(const SharedText& text, RichnessReport report, QWidget* parent);

private:
    using MeasuresModel = RowTableModel<Figure<RichnessReport>>;

    RichnessReport report_;
    MeasuresModel* measuresModel_;
};

} // namespace quorvelle::ui
