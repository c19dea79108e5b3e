// The forms-by-length window.
#include "ui/stats/LengthsWindow.h"

#include "core/presentation/result_listing.h"
#include "core/statistics/lengths_statistic.h"
#include "ui/LoadedTextBox.h"
#include "ui/charts/chart_windows.h"
#include "ui/cp1252_text.h"
#include "ui/figure_explanations.h"
#include "ui/stats/LinkedLists.h"
#include "ui/stats/sort_icon.h"
#include "ui/window_layout.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QListView>
#include <QPushButton>

#include <iterator>
#include <utility>

namespace quorvelle::ui {
namespace {

constexpr QSize sortIconSize(24, 24);

// The columns of the lists, in their order, each with the name its sort buttons are named by.
struct SortedColumn {
    const char* name;
    LengthColumn column;
};
constexpr SortedColumn sortedColumns[] = {
    {"FormCount", LengthColumn::FormCount}, {"Length", LengthColumn::Length}, {"Percentage", LengthColumn::Percentage}};

} // namespace

LengthsWindow::LengthsWindow(SharedText text, LengthReport report, QWidget* parent)
    : StatisticsWindow(text->letters(), parent)
    , report_(std::move(report))
    , rowsModel_(new LengthModel(LengthsStatistic::table.columns, this))
{
    QGroupBox* resultsFrame = createFrame("resultsFrame", tr("Résultats"), this);
    auto* columns = new QGridLayout(resultsFrame);
    // Each column's pair of sort buttons above its heading.
    for (int column = 0; column < static_cast<int>(std::size(sortedColumns)); ++column) {
        const SortButtons buttons{sortButton(column, SortDirection::Ascending, resultsFrame),
                                  sortButton(column, SortDirection::Descending, resultsFrame)};
        columns->addLayout(Row{buttons.ascending, buttons.descending}.createLayout(), 0, column, Qt::AlignHCenter);
        for (QPushButton* button : {buttons.ascending, buttons.descending})
            connect(button, &QPushButton::clicked, this,
                    [this, column, buttons] { sortBy(sortedColumns[column].column, buttons); });
    }
    lists_ = LinkedLists::addToGrid(columns, 1, rowsModel_,
                                    {{"formCountHeading", "formCountList"},
                                     {"lengthHeading", "lengthList"},
                                     {"percentageHeading", "percentageList"}},
                                    LinkedLists::Driver::FirstList, resultsFrame);
    explainListRows(lists_->lists(), LengthsStatistic::rowFigures, report_, *rowsModel_);
    const ResultFrame forms = createResultFrame("formsFrame", tr("Forme(s)"), "formsBox", ScrollBars::Both, this);
    formsBox = forms.box;

    build({.caption = tr("Parvane Dorlesca - Composition des formes - statistiques formes/caractères (Rangs)"),
           .title = utf8Text(LengthsStatistic::info.title),
           .body = {{Row{{resultsFrame, 3}, {forms.frame, 2}}, 1}},
           .size = {860, 560},
           .menuBar = {.resultBox = formsBox},
           .tableExport = {rowsModel_, tr("formes-caracteres.csv")},
           .chartItems = {{"lengthsChartAction", tr("&Affichage"), [this] { openLengthsChart(); }}}});
    connect(lists_, &LinkedLists::rowSelected, this, &LengthsWindow::showFormsOfRow);
    rowsModel_->setRows(report_.rows);
    lists_->selectRow(0);
    offerFormsInContext(std::move(text));
}

// One of the pair of sort buttons of a column: the ascending one shows at first, the
// descending one is hidden.
QPushButton* LengthsWindow::sortButton(int column, SortDirection direction, QWidget* parent)
{
    const bool ascending = direction == SortDirection::Ascending;
    auto* button = createCommandButton(QString(), parent);
    button->setObjectName(QLatin1String("sortBy") + QLatin1String(sortedColumns[column].name)
                          + (ascending ? QLatin1String("Ascending") : QLatin1String("Descending")));
    button->setIcon(sortIcon(direction, button));
    button->setIconSize(sortIconSize);
    const QString what = ascending ? tr("Tri croissant") : tr("Tri décroissant");
    button->setToolTip(what);
    button->setAccessibleName(
        tr("%1 : %2").arg(rowsModel_->headerData(column, Qt::Horizontal).toString(), what.toLower()));
    button->setHidden(!ascending);
    return button;
}

void LengthsWindow::showFormsOfRow(int row)
{
    const LengthRow& lengthRow = rowsModel_->rowAt(static_cast<std::size_t>(row));
    formsBox->setCp1252Text(
        std::make_shared<const std::string>(resultListing(lengthRow.forms, CountSpacing::TwoBlanks)));
}

void LengthsWindow::openLengthsChart()
{
    openModal<LengthsChart>(this, rowsModel_->shownRows([](const LengthRow& row) {
        return LengthChartRow{row.formCount, row.length};
    }));
}

void LengthsWindow::sortBy(LengthColumn column, const SortButtons& buttons)
{
    const bool ascending = !buttons.ascending->isHidden();
    QPushButton* shown = ascending ? buttons.descending : buttons.ascending;
    QPushButton* hidden = ascending ? buttons.ascending : buttons.descending;
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
