// The vocabulary grid's model.
#include "ui/stats/VocabularyTableModel.h"

#include "ui/cp1252_text.h"

#include <QFont>

#include <utility>

namespace quorvelle::ui {
namespace {

enum Column { formColumn, countColumn, columnTotal };

} // namespace

VocabularyTableModel::VocabularyTableModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void VocabularyTableModel::setRows(std::vector<FormCount> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int VocabularyTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int VocabularyTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : columnTotal;
}

QVariant VocabularyTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const FormCount& row = rows_[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        if (index.column() == formColumn)
            return fromCp1252(row.form);
        return QString::number(row.count);
    case Qt::TextAlignmentRole:
        if (index.column() == countColumn)
            return (Qt::AlignRight | Qt::AlignVCenter).toInt();
        return (Qt::AlignLeft | Qt::AlignVCenter).toInt();
    default:
        return {};
    }
}

QVariant VocabularyTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return section == formColumn ? tr("Formes") : tr("Nombre d'attestations");
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
