// The chart windows' table and the bars drawn from it.
#include "ui/charts/ChartTableModel.h"

#include "ui/cp1252_text.h"

#include <QSortFilterProxyModel>

#include <utility>
#include <vector>

namespace quorvelle::ui {

// The rows of a table that have a bar, ordered by their place in the chart.
class ChartTableModel::BarsModel final : public QSortFilterProxyModel {
public:
    BarsModel(const ChartRows& rows, QAbstractItemModel* table)
        : QSortFilterProxyModel(table)
    {
        placeBars(rows);
        setSourceModel(table);
        sort(0);
    }

    // Called while the table resets, before the proxy reads its rows again.
    void placeBars(const ChartRows& rows)
    {
        valueColumn_ = static_cast<int>(rows.valueColumn);
        places_.assign(rows.rows.size(), notABar);
        for (std::size_t place = 0; place < rows.bars.size(); ++place)
            places_[rows.bars[place]] = place;
    }

    // The chart reads its values as displayed numbers, whatever the decimal separator of the
    // grid's text.
    QVariant data(const QModelIndex& index, int role) const override
    {
        return QSortFilterProxyModel::data(
            index, role == Qt::DisplayRole && index.column() == valueColumn_ ? ChartTableModel::BarValueRole : role);
    }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex&) const override
    {
        return places_[static_cast<std::size_t>(sourceRow)] != notABar;
    }

    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override
    {
        return places_[static_cast<std::size_t>(left.row())] < places_[static_cast<std::size_t>(right.row())];
    }

private:
    static constexpr std::size_t notABar = static_cast<std::size_t>(-1);
    int valueColumn_ = 0;
    std::vector<std::size_t> places_;
};

ChartTableModel::ChartTableModel(QList<ColumnLook> columns, ChartRows rows, QObject* parent)
    : ReportTableModel(std::move(columns), parent)
    , rows_(std::move(rows))
    , barsModel_(new BarsModel(rows_, this))
{
}

void ChartTableModel::setRows(ChartRows rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    barsModel_->placeBars(rows_);
    endResetModel();
}

QAbstractItemModel* ChartTableModel::barsModel() const
{
    return barsModel_;
}

QVariant ChartTableModel::data(const QModelIndex& index, int role) const
{
    if (index.isValid() && role == BarLabelRole)
        return fromCp1252(rows_.rows[static_cast<std::size_t>(index.row())].label);
    if (index.isValid() && role == BarValueRole)
        return rows_.rows[static_cast<std::size_t>(index.row())].barValue;
    return ReportTableModel::data(index, role);
}

QString ChartTableModel::cellText(std::size_t row, int column) const
{
    return fromCp1252(rows_.rows[row].cells[static_cast<std::size_t>(column)]);
}

} // namespace quorvelle::ui
