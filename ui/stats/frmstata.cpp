// The forms-by-length window.
#include "ui/stats/frmstata.h"

#include "core/result_listing.h"
#include "ui/PlainTextBox.h"
#include "ui/cp1252_text.h"
#include "ui/menus.h"
#include "ui/stats/LinkedLists.h"
#include "ui/stats/sort_icon.h"
#include "ui/stats/window_layout.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace quorvelle::ui {
namespace {

constexpr QSize windowSize(860, 560);
constexpr QSize sortIconSize(24, 24);

enum Column { formCountColumn, lengthColumn, percentageColumn };

} // namespace

frmstata::frmstata(std::string_view text, QWidget* parent)
    : StatisticsWindow(parent)
{
    buildUi();
    connectSignals();
    Form_Load(text);
}

void frmstata::buildUi()
{
    setWindowTitle(tr("Parvane Dorlesca - Composition des formes - statistiques formes/caractères (Rangs)"));

    Label1 = new QLabel(tr("Statistiques formes / caractères (Rangs)"), this);
    Q_SET_OBJECT_NAME(Label1);
    Label2 = new QLabel(tr("Statistiques formes / caractères (Rangs)"), this);
    Q_SET_OBJECT_NAME(Label2);

    Frame1 = new QGroupBox(tr("Résultats"), this);
    Q_SET_OBJECT_NAME(Frame1);
    rowsModel_ = new LengthModel({LengthModel::countColumn(tr("Nombre de forme(s)"), &LengthRow::formCount),
                                  LengthModel::countColumn(tr("Nombre caractères par forme"), &LengthRow::length),
                                  LengthModel::numberColumn(tr("%"), &LengthRow::percentage)},
                                 this);
    Label5 = new QLabel(tr("Nombre de forme(s)"), Frame1);
    Q_SET_OBJECT_NAME(Label5);
    List1 = createResultList(rowsModel_, formCountColumn, Frame1);
    Q_SET_OBJECT_NAME(List1);
    Label6 = new QLabel(tr("Nombre caractères par forme"), Frame1);
    Q_SET_OBJECT_NAME(Label6);
    List2 = createResultList(rowsModel_, lengthColumn, Frame1);
    Q_SET_OBJECT_NAME(List2);
    Label7 = new QLabel(tr("%"), Frame1);
    Q_SET_OBJECT_NAME(Label7);
    List3 = createResultList(rowsModel_, percentageColumn, Frame1);
    Q_SET_OBJECT_NAME(List3);
    lists_ = new LinkedLists({List1, List2, List3}, LinkedLists::Driver::FirstList, this);

    Command1 = sortButton(SortDirection::Ascending, Label7);
    Q_SET_OBJECT_NAME(Command1);
    Command1a = sortButton(SortDirection::Descending, Label7);
    Q_SET_OBJECT_NAME(Command1a);
    Command2 = sortButton(SortDirection::Ascending, Label6);
    Q_SET_OBJECT_NAME(Command2);
    Command2a = sortButton(SortDirection::Descending, Label6);
    Q_SET_OBJECT_NAME(Command2a);
    Command3 = sortButton(SortDirection::Ascending, Label5);
    Q_SET_OBJECT_NAME(Command3);
    Command3a = sortButton(SortDirection::Descending, Label5);
    Q_SET_OBJECT_NAME(Command3a);

    // Each column's sort buttons above its heading.
    auto* columns = new QGridLayout(Frame1);
    int column = 0;
    for (const auto& [plainButton, aButton] : {std::pair(Command3, Command3a), std::pair(Command2, Command2a),
                                                std::pair(Command1, Command1a)}) {
        auto* buttons = new QHBoxLayout;
        buttons->addWidget(plainButton);
        buttons->addWidget(aButton);
        columns->addLayout(buttons, 0, column++, Qt::AlignHCenter);
    }
    addHeadedColumns(columns, 1, {{Label5, List1}, {Label6, List2}, {Label7, List3}});

    txtstata = createResultBox(ScrollBars::Both, this);
    Q_SET_OBJECT_NAME(txtstata);
    Frame2 = new QGroupBox(tr("Forme(s)"), this);
    Q_SET_OBJECT_NAME(Frame2);
    frameAround(Frame2, txtstata);

    auto* body = new QHBoxLayout;
    body->addWidget(Frame1, 3);
    body->addWidget(Frame2, 2);
    addWindowTitle(Label1, Label2);
    windowLayout()->addLayout(body, 1);

    const WindowMenus menus = buildMenuBar({.resultBox = txtstata, .editionNames = EditionNames::SelectionAll, .charts = true});
    affichage = addMenuItem(menus.graphique, "affichage", tr("&Affichage"));
    // Its chart window is not built yet.
    affichage->setEnabled(false);
    resize(windowSize);
}

QPushButton* frmstata::sortButton(SortDirection direction, const QLabel* heading)
{
    auto* button = createCommandButton(QString(), Frame1);
    button->setIcon(sortIcon(direction, button));
    button->setIconSize(sortIconSize);
    const QString what = direction == SortDirection::Ascending ? tr("Tri croissant") : tr("Tri décroissant");
    button->setToolTip(what);
    button->setAccessibleName(tr("%1 : %2").arg(heading->text(), what.toLower()));
    button->setHidden(direction == SortDirection::Descending);
    return button;
}

void frmstata::connectSignals()
{
    connect(lists_, &LinkedLists::rowSelected, this, &frmstata::List1_Click);
    for (QPushButton* button : {Command1, Command1a})
        connect(button, &QPushButton::clicked, this, &frmstata::Command1_Click);
    for (QPushButton* button : {Command2, Command2a})
        connect(button, &QPushButton::clicked, this, &frmstata::Command2_Click);
    for (QPushButton* button : {Command3, Command3a})
        connect(button, &QPushButton::clicked, this, &frmstata::Command3_Click);
}

void frmstata::Form_Load(std::string_view text)
{
    report_ = lengthReport(text);
    rowsModel_->setRows(report_.rows);
    lists_->selectRow(0);
}

void frmstata::List1_Click(int row)
{
    const LengthRow& lengthRow = rowsModel_->rowAt(static_cast<std::size_t>(row));
    txtstata->setText(fromCp1252(resultListing(lengthRow.forms, CountSpacing::TwoBlanks)));
}

void frmstata::Command1_Click()
{
    sortBy(LengthColumn::Percentage, Command1, Command1a);
}

void frmstata::Command2_Click()
{
    sortBy(LengthColumn::Length, Command2, Command2a);
}

void frmstata::Command3_Click()
{
    sortBy(LengthColumn::FormCount, Command3, Command3a);
}

void frmstata::sortBy(LengthColumn column, QPushButton* plainButton, QPushButton* aButton)
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
