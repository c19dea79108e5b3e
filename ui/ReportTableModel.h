// The rows of a core report as a Qt table model: the one model behind every list and grid.
#pragma once

#include "core/catalogue/table_columns.h"
#include "ui/cp1252_text.h"
#include "ui/number_text.h"

#include <QAbstractTableModel>
#include <QList>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace quorvelle::ui {

/// The Qt side of a report table: its row count, its column headings and alignments, and
/// cells written on demand, so that only the rows on screen are ever turned into text.
/// Headings are bold (the grids show them; the lists are headed by labels instead).
///
/// A grid shows the table whole. Parallel lists each show one column, through the table's
/// column model, so that each list offers a screen reader its own cells only.
class ReportTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    /// One column of the table as a list model, owned by the table; it follows the table's
    /// resets, the only way its rows change.
    QAbstractItemModel* columnModel(int column);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    /// Shows no rows, without reading those it showed, as the window that holds them is
    /// destroyed; a model that holds its rows itself keeps them.
    virtual void letGoOfRows() { }

    struct ColumnLook {
        QString heading;
        Qt::Alignment alignment;
    };

protected:
    ReportTableModel(QList<ColumnLook> columns, QObject* parent);

    virtual std::size_t rowTotal() const = 0;
    virtual QString cellText(std::size_t row, int column) const = 0;

    /// A cell of the core's tables as shown: texts from code page 1252, numbers with the
    /// user's decimal separator.
    static QString shownCell(const Cell& cell);

private:
    QList<ColumnLook> columns_;
    QList<QAbstractItemModel*> columnModels_;
};

/// A report table over rows of type Row, held by the window's report: each column says how
/// its cell is written from a row, as the core's catalogue describes it or, for a table of the
/// window's own, by a function. The rows are shown in their own order or in a given one.
template <class Row>
class RowTableModel final : public ReportTableModel {
public:
    struct Column {
        QString heading;
        Qt::Alignment alignment;
        /// The cell of a row, from the row and its place among the report's rows.
        std::function<QString(const Row&, std::size_t place)> text;
    };

    RowTableModel(std::vector<Column> columns, QObject* parent)
        : ReportTableModel(looks(columns), parent)
        , columns_(std::move(columns))
    {
    }

    /// A table of the columns the catalogue describes.
    RowTableModel(std::span<const quorvelle::Column<Row>> columns, QObject* parent)
        : RowTableModel(qtColumns(columns), parent)
    {
    }

    /// Shows rows, which must outlive their showing, in place of the previous ones, all of them
    /// in their own order.
    void setRows(std::span<const Row> rows) { reset(rows, std::nullopt); }

    /// The same for the rows that order indexes, in its order: some rows may be left out, and
    /// an empty order shows none.
    void setRows(std::span<const Row> rows, std::vector<std::size_t> order) { reset(rows, std::move(order)); }

    void letGoOfRows() override { reset({}, std::nullopt); }

    /// The row shown at position.
    const Row& rowAt(std::size_t position) const { return rows_[placeAt(position)]; }
    /// The place among the report's rows of the row shown at position.
    std::size_t placeAt(std::size_t position) const { return order_ ? (*order_)[position] : position; }

    /// The rows in the order shown, each made into what convert returns.
    template <class Convert>
    auto shownRows(Convert convert) const
    {
        std::vector<std::invoke_result_t<Convert, const Row&>> converted;
        converted.reserve(rowTotal());
        for (std::size_t position = 0; position < rowTotal(); ++position)
            converted.push_back(convert(rowAt(position)));
        return converted;
    }

private:
    void reset(std::span<const Row> rows, std::optional<std::vector<std::size_t>> order)
    {
        beginResetModel();
        rows_ = rows;
        order_ = std::move(order);
        endResetModel();
    }

    static std::vector<Column> qtColumns(std::span<const quorvelle::Column<Row>> columns)
    {
        std::vector<Column> converted;
        for (const quorvelle::Column<Row>& column : columns)
            converted.push_back(
                {QString::fromUtf8(column.heading), column.kind == CellKind::Text ? Qt::AlignLeft : Qt::AlignRight,
                 [cell = column.cell](const Row& row, std::size_t place) { return shownCell(cell(row, place)); }});
        return converted;
    }

    static QList<ColumnLook> looks(const std::vector<Column>& columns)
    {
        QList<ColumnLook> result;
        for (const Column& column : columns)
            result.append({column.heading, column.alignment});
        return result;
    }

    std::size_t rowTotal() const override { return order_ ? order_->size() : rows_.size(); }
    QString cellText(std::size_t row, int column) const override
    {
        return columns_[static_cast<std::size_t>(column)].text(rowAt(row), placeAt(row));
    }

    std::vector<Column> columns_;
    std::span<const Row> rows_;
    std::optional<std::vector<std::size_t>> order_; ///< none: every row, in its own order
};

} // namespace quorvelle::ui
