// The table model shared by every report's lists and grids.
#include "ui/ReportTableModel.h"

#include <QFont>

#include <type_traits>
#include <utility>
#include <variant>

namespace quorvelle::ui {
namespace {

// One column of a table, as a list.
class ColumnModel final : public QAbstractListModel {
public:
    ColumnModel(QAbstractItemModel* table, int column)
        : QAbstractListModel(table)
        , table_(table)
        , column_(column)
    {
        connect(table, &QAbstractItemModel::modelAboutToBeReset, this, &ColumnModel::beginResetModel);
        connect(table, &QAbstractItemModel::modelReset, this, &ColumnModel::endResetModel);
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : table_->rowCount();
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        return index.isValid() ? table_->index(index.row(), column_).data(role) : QVariant();
    }

private:
    QAbstractItemModel* table_;
    int column_;
};

} // namespace

ReportTableModel::ReportTableModel(QList<ColumnLook> columns, QObject* parent)
    : QAbstractTableModel(parent)
    , columns_(std::move(columns))
{
    for (int column = 0; column < columns_.size(); ++column)
        columnModels_.append(new ColumnModel(this, column));
}

QAbstractItemModel* ReportTableModel::columnModel(int column)
{
    return columnModels_[column];
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

QString ReportTableModel::shownCell(const Cell& cell)
{
    return std::visit(
        [](const auto& value) {
            using Value = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<Value, std::string_view>)
                return fromCp1252(value);
            else if constexpr (std::is_same_v<Value, double>)
                return numberText(value);
            else
                return QString::number(value);
        },
        cell);
}

} // namespace quorvelle::ui
