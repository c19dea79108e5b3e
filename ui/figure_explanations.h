// "Comment ce nombre est-il calculé ?" on the figures of a window.
#pragma once

#include "core/catalogue/row_figure.h"
#include "core/explanations/figure_explanation.h"
#include "ui/ReportTableModel.h"

#include <QAbstractItemView>
#include <QList>

#include <array>
#include <cstddef>
#include <functional>

class QLabel;

namespace quorvelle::ui {

/// The numbers of explanations as the windows write them, with the locale's decimal separator.
ExplanationNumbers explanationNumbers();

/// How a figure is computed, asked when the user asks.
using FigureExplainer = std::function<FigureExplanation(const ExplanationNumbers&)>;
/// How the figure of a row is computed.
using RowExplainer = std::function<FigureExplanation(int row, const ExplanationNumbers&)>;

/// Offers the explanation of the figure label shows in its context menu (beside "Copier") and
/// on Maj+F1 while it has the focus, which Tab now gives it: the explanation opens beside the
/// label's window (ExplanationWindow).
void explainFigure(QLabel* label, FigureExplainer explain);

/// The same for the cells of view in the column of its model: its context menu (beside its
/// other items) and Maj+F1 explain the figure of the current row when the current cell is in
/// that column. Several columns of one view may each have theirs.
void explainColumn(QAbstractItemView* view, int column, RowExplainer explain);

/// How the figure of a row of table is computed, by the catalogue's row figure; report and
/// table must outlive the view that asks.
template <class Report, class Row>
RowExplainer rowExplainer(const RowFigure<Report, Row>& figure, const Report& report, const RowTableModel<Row>& table)
{
    return [&report, &table, explain = figure.explain](int row, const ExplanationNumbers& numbers) {
        return explain(report, table.rowAt(static_cast<std::size_t>(row)), numbers);
    };
}

/// Explains the cells of a grid that shows table's columns by the catalogue's row figures.
template <class Report, class Row, std::size_t Count>
void explainGridRows(QAbstractItemView* grid, const std::array<RowFigure<Report, Row>, Count>& figures,
                     const Report& report, const RowTableModel<Row>& table)
{
    for (const RowFigure<Report, Row>& figure : figures)
        explainColumn(grid, static_cast<int>(figure.column), rowExplainer(figure, report, table));
}

/// The same for lists side by side, the list at place k showing the table's column k alone
/// (see addColumnLists).
template <class List, class Report, class Row, std::size_t Count>
void explainListRows(const QList<List*>& lists, const std::array<RowFigure<Report, Row>, Count>& figures,
                     const Report& report, const RowTableModel<Row>& table)
{
    for (const RowFigure<Report, Row>& figure : figures)
        explainColumn(lists.at(static_cast<qsizetype>(figure.column)), 0, rowExplainer(figure, report, table));
}

} // namespace quorvelle::ui
