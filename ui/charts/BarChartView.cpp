// The bar chart of the chart windows.
#include "ui/charts/BarChartView.h"

#include <QAbstractItemModel>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QFontMetrics>
#include <QVBarModelMapper>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace quorvelle::ui {
namespace {

constexpr qreal barWidth = 0.8;
constexpr int labelGap = 12; // pixels kept between two horizontal labels

} // namespace

BarChartView::BarChartView(QAbstractItemModel* bars, int valueColumn, int labelRole, const QString& xTitle,
                           const QString& yTitle, QWidget* parent)
    : QChartView(parent)
    , bars_(bars)
    , labelRole_(labelRole)
    , series_(new QBarSeries)
    , categoryAxis_(new QCategoryAxis)
    , valueAxis_(new QValueAxis)
{
    auto* chart = new QChart;
    setChart(chart);
    chart->legend()->hide();
    series_->setBarWidth(barWidth);
    chart->addSeries(series_);

    auto* mapper = new QVBarModelMapper(this);
    mapper->setFirstBarSetColumn(valueColumn);
    mapper->setLastBarSetColumn(valueColumn);
    mapper->setSeries(series_);
    mapper->setModel(bars_);

    categoryAxis_->setTitleText(xTitle);
    categoryAxis_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    categoryAxis_->setGridLineVisible(false);
    valueAxis_->setTitleText(yTitle);
    valueAxis_->setLabelFormat(QStringLiteral("%i"));
    chart->addAxis(categoryAxis_, Qt::AlignBottom);
    chart->addAxis(valueAxis_, Qt::AlignLeft);
    series_->attachAxis(categoryAxis_);
    series_->attachAxis(valueAxis_);

    styleChart();
    const QFontMetrics metrics(categoryAxis_->labelsFont());
    for (int row = 0; row < bars_->rowCount(); ++row)
        widestLabel_ =
            std::max(widestLabel_, metrics.horizontalAdvance(bars_->index(row, 0).data(labelRole_).toString()));
    scaleAxes();
    connect(chart, &QChart::plotAreaChanged, this, &BarChartView::placeLabels);
    setRenderHint(QPainter::Antialiasing);
}

void BarChartView::styleChart()
{
    const QPalette colours = palette();
    QChart* chart = this->chart();
    chart->setBackgroundBrush(colours.base());
    chart->setBackgroundRoundness(0);
    chart->setMargins({4, 4, 4, 4});
    QFont titleFont = font();
    titleFont.setBold(true);
    for (QAbstractAxis* axis : {static_cast<QAbstractAxis*>(categoryAxis_), static_cast<QAbstractAxis*>(valueAxis_)}) {
        axis->setLabelsFont(font());
        axis->setLabelsBrush(colours.text());
        axis->setTitleFont(titleFont);
        axis->setTitleBrush(colours.text());
        axis->setLinePenColor(colours.color(QPalette::Mid));
        axis->setGridLineColor(colours.color(QPalette::Midlight));
    }
    for (QBarSet* set : series_->barSets()) {
        set->setColor(colours.color(QPalette::Highlight));
        set->setBorderColor(colours.color(QPalette::Highlight).darker(130));
    }
}

void BarChartView::scaleAxes()
{
    qreal highest = 0;
    for (const QBarSet* set : series_->barSets()) {
        for (int bar = 0; bar < set->count(); ++bar)
            highest = std::max(highest, set->at(bar));
    }
    // Whole ticks of 1, 2 or 5 times a power of ten, about five of them up to the top.
    const qreal rough = std::max<qreal>(highest / 5, 1);
    const qreal power = std::pow(10, std::floor(std::log10(rough)));
    qreal step = 10 * power;
    for (const qreal multiple : {1, 2, 5}) {
        if (multiple * power >= rough) {
            step = multiple * power;
            break;
        }
    }
    valueAxis_->setTickType(QValueAxis::TicksDynamic);
    valueAxis_->setTickAnchor(0);
    valueAxis_->setTickInterval(step);
    valueAxis_->setRange(0, std::max(step, std::ceil(highest / step) * step));
    const int count = bars_->rowCount();
    categoryAxis_->setRange(-0.5, std::max(count, 1) - 0.5);
}

// Labels every labelStep-th bar, the first included, so that the widest label fits in the
// room that step leaves on the plot area.
void BarChartView::placeLabels()
{
    const int count = bars_->rowCount();
    const qreal barRoom = chart()->plotArea().width() / std::max(count, 1);
    const int step = barRoom <= 0 ? std::max(count, 1)
                                  : std::max(1, static_cast<int>(std::ceil((widestLabel_ + labelGap) / barRoom)));
    if (step == labelStep_)
        return;
    labelStep_ = step;
    for (const QString& label : categoryAxis_->categoriesLabels())
        categoryAxis_->remove(label);
    for (int row = 0; row < count; row += step)
        categoryAxis_->append(bars_->index(row, 0).data(labelRole_).toString(), row);
    categoryAxis_->setStartValue(-0.5);
    categoryAxis_->setRange(-0.5, std::max(count, 1) - 0.5);
}

} // namespace quorvelle::ui
