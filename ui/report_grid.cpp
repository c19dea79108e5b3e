// Report grids and the copy of their rows.
#include "ui/report_grid.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>

#include <algorithm>

namespace quorvelle::ui {
namespace {

const QString rowCopierName = QStringLiteral("rowCopier");

// A child of its view under rowCopierName, so that copySelectedRows finds it. Its item
// "Copier les lignes" stands in the view's context menu, and Ctrl+C triggers it while the view
// has the focus; elsewhere Ctrl+C keeps its meaning.
class RowCopier final : public QObject {
public:
    RowCopier(QAbstractItemView* view, const QAbstractItemModel* table)
        : QObject(view)
        , view_(view)
        , table_(table)
    {
        setObjectName(rowCopierName);
        auto* copyRows = new QAction(QObject::tr("Copier les lignes"), view);
        copyRows->setObjectName(QStringLiteral("copyRowsAction"));
        copyRows->setShortcut(QKeySequence::Copy);
        copyRows->setShortcutContext(Qt::WidgetShortcut);
        view->addAction(copyRows);
        view->setContextMenuPolicy(Qt::ActionsContextMenu);
        connect(copyRows, &QAction::triggered, this, &RowCopier::copy);
    }

    void copy() const
    {
        // By ranges of rows, not cell by cell: a whole grid selected is one range.
        QList<int> rows;
        for (const QItemSelectionRange& range : view_->selectionModel()->selection())
            for (int row = range.top(); row <= range.bottom(); ++row)
                rows.append(row);
        std::ranges::sort(rows);
        rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
        if (rows.isEmpty())
            return;
        QString text;
        if (rows.size() == table_->rowCount())
            text += columnHeadings(*table_).join(QLatin1Char('\t')) + QStringLiteral("\r\n");
        for (const int row : std::as_const(rows))
            text += rowCells(*table_, row).join(QLatin1Char('\t')) + QStringLiteral("\r\n");
        QGuiApplication::clipboard()->setText(text);
    }

private:
    QAbstractItemView* view_;
    const QAbstractItemModel* table_;
};

} // namespace

QTableView* createReportGrid(const char* name, QAbstractItemModel* table, const QString& accessibleName,
                             QWidget* parent)
{
    auto* grid = new QTableView(parent);
    grid->setObjectName(name);
    grid->setModel(table);
    grid->setAccessibleName(accessibleName);
    grid->verticalHeader()->hide();
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setAlternatingRowColors(true);
    enableRowCopy(grid, table);
    return grid;
}

void enableRowCopy(QAbstractItemView* view, const QAbstractItemModel* table)
{
    new RowCopier(view, table);
}

bool copySelectedRows(const QWidget* widget)
{
    const auto* copier = widget
        ? dynamic_cast<const RowCopier*>(widget->findChild<QObject*>(rowCopierName, Qt::FindDirectChildrenOnly))
        : nullptr;
    if (copier)
        copier->copy();
    return copier != nullptr;
}

QStringList columnHeadings(const QAbstractItemModel& table)
{
    QStringList headings;
    for (int column = 0; column < table.columnCount(); ++column)
        headings.append(table.headerData(column, Qt::Horizontal).toString().trimmed());
    return headings;
}

QStringList rowCells(const QAbstractItemModel& table, int row)
{
    QStringList cells;
    for (int column = 0; column < table.columnCount(); ++column)
        cells.append(table.index(row, column).data().toString());
    return cells;
}

} // namespace quorvelle::ui
