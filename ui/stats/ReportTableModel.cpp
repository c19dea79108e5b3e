// The table model shared by every report's lists and grids.
#include "ui/stats/ReportTableModel.h"

#include <QFont>

#include <utility>

namespace quorvelle::ui {

ReportTableModel::ReportTableModel(QList<ColumnLook> columns, QObject* parent)
    : QAbstractTableModel(parent)
    , columns_(std::move(columns))
{
}

int ReportTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rowTotal());
}

int ReportTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant ReportTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return cellText(static_cast<std::size_t>(index.row()), index.column());
    case Qt::TextAlignmentRole:
        return (columns_[index.column()].alignment | Qt::AlignVCenter).toInt();
    default:
        return {};
    }
}

QVariant ReportTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columns_.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return columns_[section].heading;
    case Qt::FontRole: {
        QFont font;
        font.setBold(true);
        return font;
    }
    default:
        return {};
    }
}

} // namespace quorvelle::ui
