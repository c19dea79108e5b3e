// The progression chart of the corpus window.
#include "ui/charts/ProgressionChartView.h"

#include "ui/charts/chart_style.h"
#include "ui/charts/chart_title.h"

#include <QAbstractItemModel>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QValueAxis>

#include <algorithm>

namespace quorvelle::ui {

ProgressionChartView::ProgressionChartView(const QAbstractItemModel& bars, int formColumn, int labelRole,
                                           int valueRole, const QString& categoryTitle, const QString& valueTitle,
                                           QWidget* parent)
    : QChartView(parent)
{
    auto* chart = new QChart;
    setChart(chart);
    const QPalette colours = palette();
    styleChartFrame(chart, colours);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setLabelColor(colours.color(QPalette::Text));

    auto* series = new QBarSeries;
    QStringList parts;
    QBarSet* set = nullptr;
    double highest = 0;
    for (int row = 0; row < bars.rowCount(); ++row) {
        const QString form = bars.index(row, formColumn).data().toString();
        if (!set || set->label() != form) {
            set = new QBarSet(form);
            series->append(set);
        }
        const QString part = bars.index(row, 0).data(labelRole).toString();
        if (series->count() == 1)
            parts << part;
        const double value = bars.index(row, 0).data(valueRole).toDouble();
        set->append(value);
        highest = std::max(highest, value);
    }
    chart->addSeries(series);

    auto* partAxis = new QBarCategoryAxis;
    partAxis->append(parts);
    partAxis->setTitleText(categoryTitle.toHtmlEscaped());
    auto* valueAxis = new QValueAxis;
    valueAxis->setRange(0, std::max(highest, 1.0));
    valueAxis->applyNiceNumbers();
    valueAxis->setTitleText(verticalAxisTitle(valueTitle));
    for (QAbstractAxis* axis : {static_cast<QAbstractAxis*>(partAxis), static_cast<QAbstractAxis*>(valueAxis)})
        styleAxis(axis, font(), colours);
    chart->addAxis(partAxis, Qt::AlignBottom);
    chart->addAxis(valueAxis, Qt::AlignLeft);
    series->attachAxis(partAxis);
    series->attachAxis(valueAxis);
    setRenderHint(QPainter::Antialiasing);
}

} // namespace quorvelle::ui
