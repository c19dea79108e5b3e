// Grid rows to the clipboard.
#include "ui/stats/grid_copy.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QStringList>

#include <algorithm>

namespace quorvelle::ui {

void copySelectedRows(const QAbstractItemView& view)
{
    const QAbstractItemModel* model = view.model();
    QList<int> rows;
    for (const QModelIndex& index : view.selectionModel()->selectedIndexes())
        rows.append(index.row());
    std::ranges::sort(rows);
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.isEmpty())
        return;
    QString text;
    for (const int row : rows) {
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column)
            cells.append(model->index(row, column).data().toString());
        text += cells.join(QLatin1Char('\t')) + QStringLiteral("\r\n");
    }
    QGuiApplication::clipboard()->setText(text);
}

} // namespace quorvelle::ui
