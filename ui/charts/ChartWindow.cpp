// The chart window that every chart shares.
#include "ui/charts/ChartWindow.h"

#include "ui/charts/BarChartView.h"
#include "ui/charts/ChartTableModel.h"
#include "ui/charts/chart_output.h"
#include "ui/charts/chart_title.h"
#include "ui/letter_rule_note.h"
#include "ui/menus.h"
#include "ui/report_grid.h"
#include "ui/shadowed_title.h"
#include "ui/studied_files.h"
#include "ui/table_export.h"

#include <QAction>
#include <QCoreApplication>
#include <QHeaderView>
#include <QMenuBar>
#include <QPixmap>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <utility>

namespace quorvelle::ui {
namespace {

constexpr QSize windowSize(820, 600);
constexpr QSize windowSizeForHorizontalBars(820, 760);

QChartView* barChart(const ChartTableModel& table, const ChartWindowLook& look, QWidget* parent)
{
    auto* view = new BarChartView(table.barsModel(), table.valueColumn(), ChartTableModel::BarLabelRole,
                                  look.barDirection, look.categoryTitle, look.valueTitle, parent);
    view->setAccessibleDescription(ChartWindow::tr("%1 selon %2, %n barre(s)", nullptr, table.barsModel()->rowCount())
                                       .arg(look.valueTitle, look.categoryTitle));
    return view;
}

} // namespace

ChartWindow::ChartWindow(const ChartWindowLook& look, ChartRows rows, QWidget* parent)
    : ChartWindow(look, std::move(rows), barChart, parent)
{
}

ChartWindow::ChartWindow(const ChartWindowLook& look, ChartRows rows, const ChartMaker& makeChart, QWidget* parent)
    : QDialog(parent)
    , barDirection_(look.barDirection)
    , fileName_(look.fileName)
    , table_(new ChartTableModel(look.gridColumns, std::move(rows), this))
    , currentTab_(look.openingTab)
{
    buildUi(look, makeChart);
    tabs->setCurrentIndex(look.openingTab);
    connect(tabs, &QTabWidget::currentChanged, this,
            [this](int tab) { followTabChange(std::exchange(currentTab_, tab)); });
}

void ChartWindow::buildUi(const ChartWindowLook& look, const ChartMaker& makeChart)
{
    setWindowTitle(look.caption);
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);

    auto* bar = new QMenuBar(this);
    layout->setMenuBar(bar);
    QMenu* fileMenu = addMenu(bar, "fileMenu", tr("&Fichier"));
    printAction = addMenuItem(fileMenu, "printAction", tr("&Imprimer"));
    QAction* saveImageAction = addMenuItem(fileMenu, "saveImageAction", tr("Enregistrer l'i&mage..."));
    addExportItem(fileMenu, table_, fileName_ + QStringLiteral(".csv"), this);
    QAction* quitAction = addClosingItem(fileMenu);
    connect(printAction, &QAction::triggered, this, &ChartWindow::printChart);
    connect(saveImageAction, &QAction::triggered, this, &ChartWindow::saveChartImage);
    connect(quitAction, &QAction::triggered, this, &ChartWindow::close);

    layout->addWidget(createShadowedTitle(tr("Quorvelle"), windowTitlePointSize, this), 0, Qt::AlignHCenter);
    insertLetterRuleNote(layout, layout->count(), this);

    tabs = new QTabWidget(this);
    Q_SET_OBJECT_NAME(tabs);
    const QString chartTab = tr("Afficher le graphique");
    const QString valuesTab = tr("Afficher les valeurs");

    chartView = makeChart(*table_, look, tabs);
    Q_SET_OBJECT_NAME(chartView);
    chartView->setAccessibleName(chartTab);
    if (!look.chartTitle.isEmpty())
        setChartTitle(chartView->chart(), titleForStudiedFiles(look.chartTitle, parentWidget()));

    valuesGrid = createReportGrid("valuesGrid", table_, valuesTab, tabs);
    valuesGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    tabs->addTab(chartView, chartTab);
    tabs->addTab(valuesGrid, valuesTab);
    layout->addWidget(tabs, 1);
    resize(look.barDirection == Qt::Vertical ? windowSize : windowSizeForHorizontalBars);
}

// A tab is laid out when it is first shown, so a chart printed or saved from the values tab
// takes the size of that tab first. Rendering it once into a one-pixel picture delivers the
// resize, and the layout request that follows places the axis labels for that size.
void ChartWindow::layOutChart()
{
    if (chartView->isVisible())
        return;
    chartView->resize(tabs->currentWidget()->size());
    QPixmap probe(1, 1);
    static_cast<QWidget*>(chartView)->render(&probe);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

void ChartWindow::followTabChange(int previousTab)
{
    printAction->setEnabled(previousTab == ChartWindowLook::ValuesTab);
}

void ChartWindow::printChart()
{
    layOutChart();
    ui::printChart(chartView, windowTitle(),
                   barDirection_ == Qt::Vertical ? QPageLayout::Landscape : QPageLayout::Portrait, this);
}

void ChartWindow::saveChartImage()
{
    layOutChart();
    ui::saveChartImage(chartView, fileName_ + QStringLiteral(".png"), windowTitle(), this);
}

} // namespace quorvelle::ui
