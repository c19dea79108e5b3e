// The forms-by-length window.
#include "ui/stats/LengthsWindow.h"

#include "core/statistics/lengths_statistic.h"

#include "core/presentation/result_listing.h"
#include "ui/PlainTextBox.h"
#include "ui/charts/chart_windows.h"
#include "ui/cp1252_text.h"
#include "ui/figure_explanations.h"
#include "ui/menus.h"
#include "ui/stats/LinkedLists.h"
#include "ui/stats/sort_icon.h"
#include "ui/table_export.h"
#include "ui/window_layout.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListView>
#include <QPushButton>

#include <utility>

namespace quorvelle::ui {
namespace {

constexpr QSize windowSize(860, 560);
constexpr QSize sortIconSize(24, 24);

enum Column { formCountColumn, lengthColumn, percentageColumn };

} // namespace

LengthsWindow::LengthsWindow(SharedText text, LengthReport report, QWidget* parent)
    : StatisticsWindow(text->letters(), parent)
    , report_(std::move(report))
{
    buildUi();
    connectSignals();
    rowsModel_->setRows(report_.rows);
    lists_->selectRow(0);
    offerFormsInContext(std::move(text));
}

void LengthsWindow::buildUi()
{
    setWindowTitle(tr("Parvane Dorlesca - Composition des formes - statistiques formes/caractères (Rangs)"));

    auto* resultsFrame = new QGroupBox(tr("Résultats"), this);
    Q_SET_OBJECT_NAME(resultsFrame);
    rowsModel_ = new LengthModel(LengthsStatistic::table.columns, this);
    // Each column's pair of sort buttons above its heading.
    sortByFormCountAscending =
        sortButton("sortByFormCountAscending", SortDirection::Ascending, formCountColumn, resultsFrame);
    sortByFormCountDescending =
        sortButton("sortByFormCountDescending", SortDirection::Descending, formCountColumn, resultsFrame);
    sortByLengthAscending = sortButton("sortByLengthAscending", SortDirection::Ascending, lengthColumn, resultsFrame);
    sortByLengthDescending =
        sortButton("sortByLengthDescending", SortDirection::Descending, lengthColumn, resultsFrame);
    sortByPercentageAscending =
        sortButton("sortByPercentageAscending", SortDirection::Ascending, percentageColumn, resultsFrame);
    sortByPercentageDescending =
        sortButton("sortByPercentageDescending", SortDirection::Descending, percentageColumn, resultsFrame);
    auto* columns = new QGridLayout(resultsFrame);
    int column = 0;
    for (const auto& [ascendingButton, descendingButton] :
         {std::pair(sortByFormCountAscending, sortByFormCountDescending),
          std::pair(sortByLengthAscending, sortByLengthDescending),
          std::pair(sortByPercentageAscending, sortByPercentageDescending)}) {
        auto* pair = new QHBoxLayout;
        pair->addWidget(ascendingButton);
        pair->addWidget(descendingButton);
        columns->addLayout(pair, 0, column++, Qt::AlignHCenter);
    }
    const QList<QListView*> lists = addColumnLists(columns, 1, rowsModel_,
                                                   {{"formCountHeading", "formCountList"},
                                                    {"lengthHeading", "lengthList"},
                                                    {"percentageHeading", "percentageList"}},
                                                   resultsFrame);
    lists_ = new LinkedLists(lists, LinkedLists::Driver::FirstList, this);
    explainListRows(lists, LengthsStatistic::rowFigures, report_, *rowsModel_);

    const auto [formsFrame, box] = createResultFrame("formsFrame", tr("Forme(s)"), "formsBox", ScrollBars::Both, this);
    formsBox = box;

    auto* body = new QHBoxLayout;
    body->addWidget(resultsFrame, 3);
    body->addWidget(formsFrame, 2);
    addWindowTitle(utf8Text(LengthsStatistic::info.title));
    windowLayout()->addLayout(body, 1);

    const WindowMenus menus = buildMenuBar({.resultBox = formsBox, .charts = true});
    addExportItem(menus.file, rowsModel_, tr("formes-caracteres.csv"), this);
    connect(addMenuItem(menus.charts, "lengthsChartAction", tr("&Affichage")), &QAction::triggered, this,
            &LengthsWindow::openLengthsChart);
    resize(windowSize);
}

// One of the pair of sort buttons of a column: the ascending one shows at first, the
// descending one is hidden.
QPushButton* LengthsWindow::sortButton(const char* name, SortDirection direction, int column, QWidget* parent)
{
    auto* button = createCommandButton(QString(), parent);
    button->setObjectName(name);
    button->setIcon(sortIcon(direction, button));
    button->setIconSize(sortIconSize);
    const QString what = direction == SortDirection::Ascending ? tr("Tri croissant") : tr("Tri décroissant");
    button->setToolTip(what);
    button->setAccessibleName(
        tr("%1 : %2").arg(rowsModel_->headerData(column, Qt::Horizontal).toString(), what.toLower()));
    button->setHidden(direction == SortDirection::Descending);
    return button;
}

void LengthsWindow::connectSignals()
{
    connect(lists_, &LinkedLists::rowSelected, this, &LengthsWindow::showFormsOfRow);
    for (QPushButton* button : {sortByPercentageAscending, sortByPercentageDescending})
        connect(button, &QPushButton::clicked, this, &LengthsWindow::sortByPercentage);
    for (QPushButton* button : {sortByLengthAscending, sortByLengthDescending})
        connect(button, &QPushButton::clicked, this, &LengthsWindow::sortByLength);
    for (QPushButton* button : {sortByFormCountAscending, sortByFormCountDescending})
        connect(button, &QPushButton::clicked, this, &LengthsWindow::sortByFormCount);
}

void LengthsWindow::showFormsOfRow(int row)
{
    const LengthRow& lengthRow = rowsModel_->rowAt(static_cast<std::size_t>(row));
    formsBox->setText(fromCp1252(resultListing(lengthRow.forms, CountSpacing::TwoBlanks)));
}

void LengthsWindow::openLengthsChart()
{
    openModal<LengthsChart>(this, rowsModel_->shownRows([](const LengthRow& row) {
        return LengthChartRow{row.formCount, row.length};
    }));
}

void LengthsWindow::sortByPercentage()
{
    sortBy(LengthColumn::Percentage, sortByPercentageAscending, sortByPercentageDescending);
}

void LengthsWindow::sortByLength()
{
    sortBy(LengthColumn::Length, sortByLengthAscending, sortByLengthDescending);
}

void LengthsWindow::sortByFormCount()
{
    sortBy(LengthColumn::FormCount, sortByFormCountAscending, sortByFormCountDescending);
}

void LengthsWindow::sortBy(LengthColumn column, QPushButton* ascendingButton, QPushButton* descendingButton)
{
    const bool ascending = !ascendingButton->isHidden();
    QPushButton* shown = ascending ? descendingButton : ascendingButton;
    QPushButton* hidden = ascending ? ascendingButton : descendingButton;
    const bool keepFocus = hidden->hasFocus();
    shown->show();
    hidden->hide();
    if (keepFocus)
        shown->setFocus();
    formsBox->setText(QString());
    rowsModel_->setRows(
        report_.rows,
        sortedRowOrder(report_, column, ascending ? SortDirection::Ascending : SortDirection::Descending));
    lists_->selectRow(0);
}

} // namespace quorvelle::ui
