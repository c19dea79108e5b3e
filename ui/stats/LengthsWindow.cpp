// The forms-by-length window.
#include "ui/stats/LengthsWindow.h"

#include "core/result_listing.h"
#include "ui/PlainTextBox.h"
#include "ui/cp1252_text.h"
#include "ui/charts/chart_windows.h"
#include "ui/menus.h"
#include "ui/stats/LinkedLists.h"
#include "ui/stats/sort_icon.h"
#include "ui/stats/table_export.h"
#include "ui/stats/window_layout.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>

#include <utility>

namespace quorvelle::ui {
namespace {

constexpr QSize windowSize(860, 560);
constexpr QSize sortIconSize(24, 24);

enum Column { formCountColumn, lengthColumn, percentageColumn };

} // namespace

LengthsWindow::LengthsWindow(std::string_view text, QWidget* parent)
    : StatisticsWindow(parent)
{
    buildUi();
    connectSignals();
    Form_Load(text);
    offerFormsInContext(text);
}

void LengthsWindow::buildUi()
{
    setWindowTitle(tr("Parvane Dorlesca - Composition des formes - statistiques formes/caractères (Rangs)"));

    auto* Frame1 = new QGroupBox(tr("Résultats"), this);
    Q_SET_OBJECT_NAME(Frame1);
    rowsModel_ = new LengthModel({LengthModel::countColumn(tr("Nombre de forme(s)"), &LengthRow::formCount),
                                  LengthModel::countColumn(tr("Nombre caractères par forme"), &LengthRow::length),
                                  LengthModel::numberColumn(tr("%"), &LengthRow::percentage)},
                                 this);
    // Each column's pair of sort buttons above its heading.
    Command3 = sortButton("Command3", SortDirection::Ascending, formCountColumn, Frame1);
    Command3a = sortButton("Command3a", SortDirection::Descending, formCountColumn, Frame1);
    Command2 = sortButton("Command2", SortDirection::Ascending, lengthColumn, Frame1);
    Command2a = sortButton("Command2a", SortDirection::Descending, lengthColumn, Frame1);
    Command1 = sortButton("Command1", SortDirection::Ascending, percentageColumn, Frame1);
    Command1a = sortButton("Command1a", SortDirection::Descending, percentageColumn, Frame1);
    auto* columns = new QGridLayout(Frame1);
    int column = 0;
    for (const auto& [plainButton, aButton] : {std::pair(Command3, Command3a), std::pair(Command2, Command2a),
                                                std::pair(Command1, Command1a)}) {
        auto* pair = new QHBoxLayout;
        pair->addWidget(plainButton);
        pair->addWidget(aButton);
        columns->addLayout(pair, 0, column++, Qt::AlignHCenter);
    }
    lists_ = new LinkedLists(addColumnLists(columns, 1, rowsModel_,
                                            {{"Label5", "List1"}, {"Label6", "List2"}, {"Label7", "List3"}}, Frame1),
                             LinkedLists::Driver::FirstList, this);

    const auto [Frame2, box] = createResultFrame("Frame2", tr("Forme(s)"), "txtstata", ScrollBars::Both, this);
    txtstata = box;

    auto* body = new QHBoxLayout;
    body->addWidget(Frame1, 3);
    body->addWidget(Frame2, 2);
    addWindowTitle(tr("Statistiques formes / caractères (Rangs)"));
    windowLayout()->addLayout(body, 1);

    const WindowMenus menus = buildMenuBar({.resultBox = txtstata, .charts = true});
    addExportItem(menus.file, rowsModel_, tr("formes-caracteres.csv"), this);
    connect(addMenuItem(menus.charts, "affichage", tr("&Affichage")), &QAction::triggered, this,
            &LengthsWindow::affichage_Click);
    resize(windowSize);
}

// One of the pair of buttons of a column: the plain one shows at first, its a-button hidden.
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
    connect(lists_, &LinkedLists::rowSelected, this, &LengthsWindow::List1_Click);
    for (QPushButton* button : {Command1, Command1a})
        connect(button, &QPushButton::clicked, this, &LengthsWindow::Command1_Click);
    for (QPushButton* button : {Command2, Command2a})
        connect(button, &QPushButton::clicked, this, &LengthsWindow::Command2_Click);
    for (QPushButton* button : {Command3, Command3a})
        connect(button, &QPushButton::clicked, this, &LengthsWindow::Command3_Click);
}

void LengthsWindow::Form_Load(std::string_view text)
{
    report_ = lengthReport(text);
    rowsModel_->setRows(report_.rows);
    lists_->selectRow(0);
}

void LengthsWindow::List1_Click(int row)
{
    const LengthRow& lengthRow = rowsModel_->rowAt(static_cast<std::size_t>(row));
    txtstata->setText(fromCp1252(resultListing(lengthRow.forms, CountSpacing::TwoBlanks)));
}

void LengthsWindow::affichage_Click()
{
    openModal<LengthsChart>(this, rowsModel_->shownRows([](const LengthRow& row) {
        return LengthChartRow{row.formCount, row.length};
    }));
}

void LengthsWindow::Command1_Click()
{
    sortBy(LengthColumn::Percentage, Command1, Command1a);
}

void LengthsWindow::Command2_Click()
{
    sortBy(LengthColumn::Length, Command2, Command2a);
}

void LengthsWindow::Command3_Click()
{
    sortBy(LengthColumn::FormCount, Command3, Command3a);
}

void LengthsWindow::sortBy(LengthColumn column, QPushButton* plainButton, QPushButton* aButton)
{
    const bool ascending = !plainButton->isHidden();
    QPushButton* shown = ascending ? aButton : plainButton;
    QPushButton* hidden = ascending ? plainButton : aButton;
    const bool keepFocus = hidden->hasFocus();
    shown->show();
    hidden->hide();
    if (keepFocus)
        shown->setFocus();
    txtstata->setText(QString());
    rowsModel_->setRows(report_.rows,
                        sortedRowOrder(report_, column, ascending ? SortDirection::Ascending : SortDirection::Descending));
    lists_->selectRow(0);
}

} // namespace quorvelle::ui
