// The chart window shared by the six charts.
#include "ui/charts/ChartWindow.h"

#include "ui/HourglassCursor.h"
#include "ui/MessageBox.h"
#include "ui/charts/BarChartView.h"
#include "ui/charts/ChartTableModel.h"
#include "ui/file_dialogs.h"
#include "ui/file_saving.h"
#include "ui/menus.h"
#include "ui/printing.h"
#include "ui/report_grid.h"
#include "ui/shadowed_title.h"
#include "ui/stats/table_export.h"

#include <QAction>
#include <QBuffer>
#include <QCoreApplication>
#include <QHeaderView>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QSvgGenerator>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace quorvelle::ui {
namespace {

constexpr QSize windowSize(820, 600);
constexpr QSize windowSizeForHorizontalBars(820, 760);

// Draws the scene view shows onto painter's device as shapes and text (not as a picture),
// scaled to fit area and centred in it.
void renderScaled(QChartView* view, QPainter& painter, const QRectF& area)
{
    QSizeF size = view->size();
    size.scale(area.size(), Qt::KeepAspectRatio);
    view->render(&painter, QRectF(area.center() - QPointF(size.width(), size.height()) / 2, size), view->rect());
}

// The view drawn as SVG, its text kept as text, or an empty array if it cannot be drawn.
QByteArray svgOf(QChartView* view, const QString& title)
{
    QBuffer buffer;
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(view->size());
    svg.setViewBox(view->rect());
    svg.setTitle(title);
    QPainter painter;
    if (!painter.begin(&svg))
        return {};
    view->render(&painter, view->rect(), view->rect());
    return painter.end() ? buffer.data() : QByteArray();
}

// The view as on screen, in PNG.
QByteArray pngOf(QChartView* view)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    return view->grab().save(&buffer, "PNG") ? buffer.data() : QByteArray();
}

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
    QAction* saveImageAction = addMenuItem(fileMenu, "saveImageAction", tr("&Enregistrer l'image..."));
    addExportItem(fileMenu, table_, tr("valeurs-du-graphique.csv"), this);
    fileMenu->addSeparator();
    QAction* quitAction = addMenuItem(fileMenu, "quitAction", tr("&Quitter"));
    connect(printAction, &QAction::triggered, this, &ChartWindow::printChart);
    connect(saveImageAction, &QAction::triggered, this, &ChartWindow::saveChartImage);
    connect(quitAction, &QAction::triggered, this, &ChartWindow::close);

    layout->addWidget(createShadowedTitle(tr("Quorvelle"), windowTitlePointSize, this), 0, Qt::AlignHCenter);

    tabs = new QTabWidget(this);
    Q_SET_OBJECT_NAME(tabs);
    const QString chartTab = tr("Afficher le graphique");
    const QString valuesTab = tr("Afficher les valeurs");

    chartView = makeChart(*table_, look, tabs);
    Q_SET_OBJECT_NAME(chartView);
    chartView->setAccessibleName(chartTab);

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
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    printer.setPageOrientation(barDirection_ == Qt::Vertical ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (!setUpPrinter(printer, this))
        return;
    const HourglassCursor hourglass;
    layOutChart();
    QPainter painter;
    if (!painter.begin(&printer)) {
        reportPrintingFailure(this);
        return;
    }
    renderScaled(chartView, painter, painter.viewport());
    if (!painter.end())
        reportPrintingFailure(this);
}

void ChartWindow::saveChartImage()
{
    const QString path = chooseImageFile(this, tr("graphique.png"));
    if (path.isEmpty())
        return;
    const HourglassCursor hourglass;
    layOutChart();
    const QByteArray image =
        path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive) ? svgOf(chartView, windowTitle()) : pngOf(chartView);
    const QString failure = image.isEmpty() ? tr("l'image n'a pas pu être dessinée") : saveWhole(path, image);
    if (!failure.isEmpty())
        MessageBox::warning(this, tr("Enregistrer l'image"),
                            tr("L'image n'a pas pu être enregistrée dans « %1 » : %2.").arg(path, failure));
}

} // namespace quorvelle::ui
