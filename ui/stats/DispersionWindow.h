// Where a form occurs along the text, and how evenly.
#pragma once

#include "core/reports/dispersion_report.h"
#include "ui/stats/StatisticsWindow.h"

#include <QList>

#include <array>
#include <string>
#include <vector>

class QComboBox;
class QHBoxLayout;
class QIdentityProxyModel;
class QLabel;
class QTableView;

namespace quorvelle::ui {

class BarChartView;
class ChartTableModel;

/// Opened beside the concordance ("Répartition dans le texte"), not modal. Presents the core's
/// DispersionReport of a form, the text cut into the number of equal parts chosen in
/// partsBox: the attestations in each part as bars (partsChart) and as a grid (partsGrid),
/// with Juilland's D and Gries's DP, which explain their computation for the parts chosen.
/// The reports of every choice are computed on opening, so that a choice shows at once.
/// "&Fichier" prints the chart and saves it as a picture, titled after the form and the text.
class DispersionWindow final : public StatisticsWindow {
    Q_OBJECT
public:
    /// The numbers of parts offered; the first is selected at first.
    static constexpr std::array partChoices{10, 20, 50, 100};

    /// Computes the reports of what query finds in text (see searchDispersion) off the interface
    /// thread (see WaitDialog::waitFor), then shows them beside parent.
    static void open(QWidget* parent, SharedText text, TextQuery query);

    /// One report per entry of partChoices, in its order.
    DispersionWindow(std::vector<DispersionReport> reports, QWidget* parent);

private slots:
    void showChosenParts();
    void printPartsChart();
    void savePartsChartImage();

private:
    void buildUi();
    /// The place in partChoices, and among the reports, of the number of parts chosen.
    std::size_t chosenPlace() const;
    const DispersionReport& chosenReport() const;

    std::vector<DispersionReport> reports_;
    QString chartTitle_;                       ///< what the chart shows, before the text it shows it for
    std::vector<ChartTableModel*> partTables_; ///< one per report
    QIdentityProxyModel* shownTable_;          ///< the chosen one, for the grid and the export
    QComboBox* partsBox;
    QList<QLabel*> figureValues_; ///< the values of windowFigures, in their order
    QHBoxLayout* chartAndGrid_;
    BarChartView* partsChart = nullptr;
    QTableView* partsGrid;
};

} // namespace quorvelle::ui
