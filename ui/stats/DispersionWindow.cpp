// The dispersion window.
#include "ui/stats/DispersionWindow.h"
#include "ui/cancellable_work.h"

#include "core/presentation/chart_data.h"
#include "core/statistics/dispersion_command.h"
#include "ui/WaitDialog.h"
#include "ui/charts/BarChartView.h"
#include "ui/charts/ChartTableModel.h"
#include "ui/charts/chart_output.h"
#include "ui/charts/chart_title.h"
#include "ui/cp1252_text.h"
#include "ui/figure_labels.h"
#include "ui/menus.h"
#include "ui/number_text.h"
#include "ui/report_grid.h"
#include "ui/studied_files.h"
#include "ui/table_export.h"
#include "ui/window_layout.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLabel>
#include <QTableView>

#include <array>
#include <optional>
#include <utility>

namespace quorvelle::ui {
namespace {

constexpr QSize windowSize(1000, 620);

/// The size of the text, as this window heads it, before the form's own figures.
constexpr std::array textSize = {
    memberFigure<&DispersionReport::tokenCount>({.id = "tokenCount", .caption = "Formes du texte :"})};
constexpr auto windowFigures = joinedFigures(textSize, dispersionFigures);

} // namespace

void DispersionWindow::open(QWidget* parent, SharedText text, TextQuery query)
{
    std::optional<std::vector<DispersionReport>> reports =
        resultAfterWaiting(parent, runCancellable([text = std::move(text), query = std::move(query)] {
                               std::vector<DispersionReport> byChoice;
                               for (const int parts : partChoices)
                                   byChoice.push_back(searchDispersion(text->tokens(), query, parts));
                               return byChoice;
                           }));
    if (reports)
        openModeless<DispersionWindow>(parent, std::move(*reports));
}

DispersionWindow::DispersionWindow(std::vector<DispersionReport> reports, QWidget* parent)
    : StatisticsWindow(reports.front().letters, parent)
    , reports_(std::move(reports))
{
    const QList<ReportTableModel::ColumnLook> columns = {{utf8Text(dispersionPartHeadings[0]), Qt::AlignRight},
                                                         {utf8Text(dispersionPartHeadings[1]), Qt::AlignLeft},
                                                         {utf8Text(dispersionPartHeadings[2]), Qt::AlignRight}};
    for (const DispersionReport& report : reports_)
        partTables_.push_back(new ChartTableModel(columns, dispersionChart(report), this));
    buildUi();
    connect(partsBox, &QComboBox::currentIndexChanged, this, &DispersionWindow::showChosenParts);
    showChosenParts();
}

void DispersionWindow::buildUi()
{
    const DispersionReport& report = reports_.front();
    const QString form = fromCp1252(report.form);
    chartTitle_ = tr("Répartition de « %1 » dans le texte").arg(form);
    QGroupBox* totalsFrame = createFrame("totalsFrame", tr("Statistiques"), this);
    // Shown and explained for the number of parts chosen.
    figureValues_ = addFigures(totalsFrame, windowFigures, [this]() -> const DispersionReport& { return chosenReport(); });
    figureValues_[2]->setToolTip(tr("1 quand chaque partie a autant d'attestations, 0 quand une seule les a toutes"));
    figureValues_[3]->setToolTip(tr("0 quand la forme suit exactement la taille des parties, près de 1 quand elle se "
                                    "concentre dans une petite partie du texte"));

    partsBox = new QComboBox(this);
    Q_SET_OBJECT_NAME(partsBox);
    for (const int parts : partChoices)
        partsBox->addItem(QString::number(parts));
    auto* partsLabel = new QLabel(tr("&Nombre de parties :"), this);
    partsLabel->setObjectName(QStringLiteral("partsLabel"));
    labelControl(partsLabel, partsBox);
    shownTable_ = new QIdentityProxyModel(this);
    partsGrid = createReportGrid("partsGrid", shownTable_, tr("Attestations par partie"), this);
    partsGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    chartAndGrid_ = new QHBoxLayout;
    chartAndGrid_->addWidget(partsGrid, 2);

    build({.caption = tr("Parvane Dorlesca - %1").arg(chartTitle_),
           .title = chartTitle_,
           .body = {Row{totalsFrame, {Row{partsLabel, partsBox, Stretch{}}, 1}}, {chartAndGrid_, 1}},
           .size = windowSize,
           .menuBar = {.grid = partsGrid},
           .fileItems = {{"printAction", tr("&Imprimer"), [this] { printPartsChart(); }},
                         {"saveImageAction", tr("Enregistrer l'i&mage..."), [this] { savePartsChartImage(); }}},
           .tableExport = {shownTable_, tr("repartition-%1.csv").arg(form)}});
}

std::size_t DispersionWindow::chosenPlace() const
{
    return static_cast<std::size_t>(partsBox->currentIndex());
}

const DispersionReport& DispersionWindow::chosenReport() const
{
    return reports_[chosenPlace()];
}

void DispersionWindow::printPartsChart()
{
    printChart(partsChart, windowTitle(), QPageLayout::Landscape, this);
}

void DispersionWindow::savePartsChartImage()
{
    saveChartImage(partsChart, tr("repartition-%1.png").arg(fromCp1252(reports_.front().form)), windowTitle(), this);
}

// The chart draws a table once: a new choice gets a chart of its own.
void DispersionWindow::showChosenParts()
{
    ChartTableModel* table = partTables_[chosenPlace()];
    shownTable_->setSourceModel(table);
    showFigureValues(figureValues_, windowFigures, chosenReport());
    delete partsChart;
    partsChart = new BarChartView(table->barsModel(), table->valueColumn(), ChartTableModel::BarLabelRole, Qt::Vertical,
                                  tr("Partie du texte"), tr("Attestations"), this);
    Q_SET_OBJECT_NAME(partsChart);
    setChartTitle(partsChart->chart(), titleForStudiedFiles(chartTitle_, this));
    partsChart->setAccessibleName(tr("Attestations par partie du texte"));
    chartAndGrid_->insertWidget(0, partsChart, 3);
}

} // namespace quorvelle::ui
