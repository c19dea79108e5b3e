// Parallel result lists: the columns of one table, kept on the same row.
#pragma once

#include <QList>
#include <QObject>

class QGridLayout;
class QListView;
class QWidget;

namespace quorvelle::ui {

struct ColumnList;
class ReportTableModel;

/// Lists that show the columns of one model side by side, row i in each, and always stand on
/// the same row. In a table driven by its first list, a click in a following list puts the
/// selection back on the driving list's row (the following lists' click handling); in a table
/// where any list drives, a click in one selects that row in all. The lists scroll together.
class LinkedLists final : public QObject {
    Q_OBJECT
public:
    enum class Driver { FirstList, AnyList };

    /// lists[0] is the driving list when driver is FirstList. The lists must already show
    /// their model.
    LinkedLists(QList<QListView*> lists, Driver driver, QObject* parent);

    /// Lists of table's columns laid out in grid from row on, with parent, as addColumnLists
    /// lays them out, and linked.
    static LinkedLists* addToGrid(QGridLayout* grid, int row, ReportTableModel* table, const QList<ColumnList>& columns,
                                  Driver driver, QWidget* parent);

    /// The lists, in the order of their columns.
    const QList<QListView*>& lists() const { return lists_; }

    /// Selects row in every list as a click on the driving list does: rowSelected follows.
    /// A row the lists do not have is refused: nothing happens.
    void selectRow(int row);

signals:
    /// A row was selected by the user in a list that drives, or from code by selectRow.
    void rowSelected(int row);

private:
    void listSelectionChanged(QListView* list);
    void standOn(int row);
    void scrollTogether();

    QList<QListView*> lists_;
    Driver driver_;
    int row_ = -1;
    bool moving_ = false;
};

} // namespace quorvelle::ui
