// The chart windows: a bar chart and the table of its values, on two tabs.
#pragma once

#include "core/presentation/chart_data.h"
#include "ui/ReportTableModel.h"

#include <QDialog>

#include <functional>

class QAction;
class QChartView;
class QTabWidget;
class QTableView;

namespace quorvelle::ui {

class ChartTableModel;

/// What sets one chart window apart from the others.
struct ChartWindowLook {
    QString caption;
    /// What the chart's files are named after, the texts' names before it:
    /// "loi-de-zipf" gives "verne-loi-de-zipf.png" and "verne-loi-de-zipf.csv".
    QString fileName;
    /// What the chart shows, as its own title says it, followed by the texts it shows it for
    /// ("Loi de Zipf — verne.txt"); none for the classic charts, titled above it.
    QString chartTitle = {};
    QString categoryTitle;
    QString valueTitle;
    /// The grid's columns, their headings with the blanks around them.
    QList<ReportTableModel::ColumnLook> gridColumns;
    enum Tab { ChartTab = 0, ValuesTab = 1 } openingTab = ChartTab;
    /// Vertical bars over their labels, or horizontal bars beside them (in a taller window,
    /// printed upright).
    Qt::Orientation barDirection = Qt::Vertical;
};

/// Opened from a statistics window with the rows it shows, modal for the classic charts,
/// beside it for Zipf's law, the specificities and the word cloud; built whole before it is
/// shown, and changed after only by a window that draws its chart again from choices of its own
/// (the word cloud). Its one table feeds both tabs: the values grid
/// ("Afficher les valeurs") shows every row, the chart ("Afficher le graphique") the rows
/// that have a bar, as bars unless the window draws them otherwise. "&Fichier" prints the
/// chart on one page, saves it as a picture, exports the values as CSV, and closes the window.
class ChartWindow : public QDialog {
    Q_OBJECT
protected:
    /// Draws the window's table on its chart tab, named for a screen reader.
    using ChartMaker =
        std::function<QChartView*(const ChartTableModel& table, const ChartWindowLook& look, QWidget* parent)>;

    /// A bar chart of the rows that have a bar.
    ChartWindow(const ChartWindowLook& look, ChartRows rows, QWidget* parent);
    ChartWindow(const ChartWindowLook& look, ChartRows rows, const ChartMaker& makeChart, QWidget* parent);

    /// The chart as makeChart made it, for a window that draws it again.
    QChartView* drawnChart() const { return chartView; }
    /// The table of both tabs, for a window that fills it again.
    ChartTableModel* table() const { return table_; }

private slots:
    /// Leaving the values for the chart enables "&Imprimer", leaving the chart disables it.
    void followTabChange(int previousTab);
    void printChart();
    void saveChartImage();

private:
    void buildUi(const ChartWindowLook& look, const ChartMaker& makeChart);
    void layOutChart();

    Qt::Orientation barDirection_;
    QString fileName_;

    ChartTableModel* table_;
    QTabWidget* tabs;
    QChartView* chartView;
    QTableView* valuesGrid;
    QAction* printAction;
    int currentTab_;
};

} // namespace quorvelle::ui
