// A chart window's one table: the values grid shows it whole, the chart its bars.
#pragma once

#include "core/presentation/chart_data.h"
#include "ui/ReportTableModel.h"

#include <QAbstractItemModel>

namespace quorvelle::ui {

/// The table of a chart window, headed by its columns. Its bars model shows the rows
/// that have bars, in the chart's order, their value cells holding the bars' values as
/// numbers, so that the chart cannot draw another value than the grid shows.
class ChartTableModel final : public ReportTableModel {
    Q_OBJECT
public:
    /// The role under which every cell of a row gives the category label of its bar.
    static constexpr int BarLabelRole = Qt::UserRole;
    /// The role under which every cell of a row gives the value of its bar.
    static constexpr int BarValueRole = Qt::UserRole + 1;

    ChartTableModel(QList<ColumnLook> columns, ChartRows rows, QObject* parent);

    /// Replaces the rows, and the bars with them, for a chart that is drawn again.
    void setRows(ChartRows rows);

    /// The column whose cells are the bars' values.
    int valueColumn() const { return static_cast<int>(rows_.valueColumn); }
    /// The rows that have a bar, left to right.
    QAbstractItemModel* barsModel() const;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    std::size_t rowTotal() const override { return rows_.rows.size(); }
    QString cellText(std::size_t row, int column) const override;

    class BarsModel;

    ChartRows rows_;
    BarsModel* barsModel_;
};

} // namespace quorvelle::ui
