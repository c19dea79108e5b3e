// The chart window shared by the six charts.
#include "ui/charts/ChartWindow.h"

#include "ui/charts/BarChartView.h"
#include "ui/charts/ChartTableModel.h"
#include "ui/file_dialogs.h"
#include "ui/hourglass.h"
#include "ui/menus.h"
#include "ui/message_box.h"
#include "ui/printing.h"
#include "ui/report_grid.h"
#include "ui/shadowed_title.h"

#include <QAction>
#include <QCoreApplication>
#include <QPixmap>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QSvgGenerator>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace quorvelle::ui {
namespace {

constexpr int titlePointSize = 15;
constexpr QSize windowSize(820, 600);

// Draws the scene view shows onto painter's device as shapes and text (not as a picture),
// scaled to fit area and centred in it.
void renderScaled(BarChartView* view, QPainter& painter, const QRectF& area)
{
    QSizeF size = view->size();
    size.scale(area.size(), Qt::KeepAspectRatio);
    view->render(&painter, QRectF(area.center() - QPointF(size.width(), size.height()) / 2, size), view->rect());
}

bool saveSvg(BarChartView* view, const QString& path, const QString& title)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(view->size());
    svg.setViewBox(view->rect());
    svg.setTitle(title);
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    view->render(&painter, view->rect(), view->rect());
    return painter.end();
}

} // namespace

ChartWindow::ChartWindow(const ChartWindowLook& look, ChartRows rows, QWidget* parent)
    : QDialog(parent)
    , table_(new ChartTableModel(look.gridFormat, std::move(rows), this))
    , currentTab_(look.openingTab)
{
    buildUi(look);
    SSTab1->setCurrentIndex(look.openingTab);
    connect(SSTab1, &QTabWidget::currentChanged, this, [this](int tab) {
        SSTab1_Click(std::exchange(currentTab_, tab));
    });
}

void ChartWindow::buildUi(const ChartWindowLook& look)
{
    setWindowTitle(look.caption);
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);

    auto* bar = new QMenuBar(this);
    layout->setMenuBar(bar);
    QMenu* fichier = addMenu(bar, "fichier", tr("&Fichier"));
    imprimer = addMenuItem(fichier, "imprimer", tr("&Imprimer"));
    QAction* enregistrer = addMenuItem(fichier, "enregistrer", tr("&Enregistrer l'image..."));
    fichier->addSeparator();
    QAction* quitter = addMenuItem(fichier, "quitter", tr("&Quitter"));
    connect(imprimer, &QAction::triggered, this, &ChartWindow::imprimer_Click);
    connect(enregistrer, &QAction::triggered, this, &ChartWindow::enregistrer_Click);
    connect(quitter, &QAction::triggered, this, &ChartWindow::quitter_Click);

    auto* Label1 = new QLabel(tr("Quorvelle"), this);
    Q_SET_OBJECT_NAME(Label1);
    auto* Label2 = new QLabel(tr("Quorvelle"), this);
    Q_SET_OBJECT_NAME(Label2);
    layout->addWidget(stackShadowedTitle(Label1, Label2, titlePointSize, this), 0, Qt::AlignHCenter);

    SSTab1 = new QTabWidget(this);
    Q_SET_OBJECT_NAME(SSTab1);
    const QString chartTab = tr("Afficher le graphique");
    const QString valuesTab = tr("Afficher les valeurs");

    chartctl = new BarChartView(table_->barsModel(), table_->valueColumn(), ChartTableModel::BarLabelRole,
                                look.xTitle, look.yTitle, SSTab1);
    Q_SET_OBJECT_NAME(chartctl);
    chartctl->setAccessibleName(chartTab);
    chartctl->setAccessibleDescription(tr("%1 selon %2, %n barre(s)", nullptr, table_->barsModel()->rowCount())
                                           .arg(look.yTitle, look.xTitle));

    grid = createReportGrid("grid", table_, valuesTab, SSTab1);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    SSTab1->addTab(chartctl, chartTab);
    SSTab1->addTab(grid, valuesTab);
    layout->addWidget(SSTab1, 1);
    resize(windowSize);
}

// A tab is laid out when it is first shown, so a chart printed or saved from the values tab
// takes the size of that tab first. Rendering it once into a one-pixel picture delivers the
// resize, and the layout request that follows places the axis labels for that size.
void ChartWindow::layOutChart()
{
    if (chartctl->isVisible())
        return;
    chartctl->resize(SSTab1->currentWidget()->size());
    QPixmap probe(1, 1);
    static_cast<QWidget*>(chartctl)->render(&probe);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

void ChartWindow::SSTab1_Click(int previousTab)
{
    imprimer->setEnabled(previousTab == ChartWindowLook::ValuesTab);
}

void ChartWindow::imprimer_Click()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!setUpPrinter(printer, this))
        return;
    const HourglassCursor hourglass;
    layOutChart();
    QPainter painter;
    if (!painter.begin(&printer)) {
        reportPrintingFailure(this);
        return;
    }
    renderScaled(chartctl, painter, painter.viewport());
    if (!painter.end())
        reportPrintingFailure(this);
}

void ChartWindow::enregistrer_Click()
{
    const QString path = chooseImageFile(this, tr("graphique.png"));
    if (path.isEmpty())
        return;
    const HourglassCursor hourglass;
    layOutChart();
    const bool saved = path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)
                           ? saveSvg(chartctl, path, windowTitle())
                           : chartctl->grab().save(path);
    if (!saved)
        MessageBox::warning(this, tr("Enregistrer l'image"),
                            tr("L'image n'a pas pu être enregistrée dans « %1 ».").arg(path));
}

void ChartWindow::quitter_Click()
{
    close();
}

} // namespace quorvelle::ui
