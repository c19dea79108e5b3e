// The grids that show a report's table, and copying their rows as a spreadsheet pastes them.
#pragma once

#include <QStringList>

class QAbstractItemModel;
class QAbstractItemView;
class QString;
class QTableView;
class QWidget;

namespace quorvelle::ui {

/// A read-only grid of table, named name, that screen readers call accessibleName: no row
/// numbers, whole rows selected, rows in alternating colours; Ctrl+C copies its selected rows.
QTableView* createReportGrid(const char* name, QAbstractItemModel* table, const QString& accessibleName,
                             QWidget* parent);

/// Lets Ctrl+C in view, and "Copier les lignes" in its context menu, copy the rows of table
/// selected in view: view shows table, or one of its columns (the lists that stand side by side).
void enableRowCopy(QAbstractItemView* view, const QAbstractItemModel* table);

/// If widget is a view that copies its rows, puts its selected rows on the clipboard, in the
/// table's order, as lines of tab-separated cells ended by CR LF, headed by the column
/// headings when every row is selected (whole columns); nothing selected, nothing copied.
/// Returns whether widget is such a view.
bool copySelectedRows(const QWidget* widget);

/// The headings of table's columns, without the blanks around them.
QStringList columnHeadings(const QAbstractItemModel& table);

/// The cells of one row of table, as shown.
QStringList rowCells(const QAbstractItemModel& table, int row);

} // namespace quorvelle::ui
