// Keeping parallel lists on one row.
#include "ui/stats/LinkedLists.h"

#include "ui/window_layout.h"

#include <QItemSelectionModel>
#include <QListView>
#include <QScrollBar>

#include <utility>

namespace quorvelle::ui {
namespace {

int selectedRowOf(const QListView* list)
{
    const QModelIndexList selected = list->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

} // namespace

LinkedLists::LinkedLists(QList<QListView*> lists, Driver driver, QObject* parent)
    : QObject(parent)
    , lists_(std::move(lists))
    , driver_(driver)
{
    for (QListView* list : std::as_const(lists_)) {
        connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                [this, list] { listSelectionChanged(list); });
        // A new set of rows comes with no selection.
        connect(list->model(), &QAbstractItemModel::modelReset, this, [this] { row_ = -1; });
    }
    scrollTogether();
}

LinkedLists* LinkedLists::addToGrid(QGridLayout* grid, int row, ReportTableModel* table,
                                    const QList<ColumnList>& columns, Driver driver, QWidget* parent)
{
    return new LinkedLists(addColumnLists(grid, row, table, columns, parent), driver, parent);
}

void LinkedLists::selectRow(int row)
{
    // Like a list box, a list refuses a row it does not have.
    if (lists_.isEmpty() || row < 0 || row >= lists_.first()->model()->rowCount())
        return;
    standOn(row);
    emit rowSelected(row);
}

void LinkedLists::listSelectionChanged(QListView* list)
{
    if (moving_)
        return;
    const int row = selectedRowOf(list);
    if (row < 0)
        return;
    if (driver_ == Driver::FirstList && list != lists_.first()) {
        standOn(row_);
        return;
    }
    standOn(row);
    emit rowSelected(row);
}

void LinkedLists::standOn(int row)
{
    moving_ = true;
    row_ = row;
    for (QListView* list : std::as_const(lists_)) {
        if (row < 0) {
            list->selectionModel()->clear();
            continue;
        }
        const QModelIndex index = list->model()->index(row, 0);
        list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        list->scrollTo(index);
    }
    moving_ = false;
}

void LinkedLists::scrollTogether()
{
    for (QListView* list : std::as_const(lists_)) {
        for (QListView* other : std::as_const(lists_)) {
            if (other != list)
                connect(list->verticalScrollBar(), &QScrollBar::valueChanged, other->verticalScrollBar(),
                        &QScrollBar::setValue);
        }
    }
}

} // namespace quorvelle::ui
