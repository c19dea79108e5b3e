// The bar chart of the chart windows.
#include "ui/charts/BarChartView.h"

#include "ui/charts/chart_style.h"
#include "ui/charts/chart_title.h"

#include <QAbstractItemModel>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QFontMetrics>
#include <QGraphicsSimpleTextItem>
#include <QHorizontalBarSeries>
#include <QVBarModelMapper>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace quorvelle::ui {
namespace {

constexpr qreal barWidth = 0.8;
constexpr int labelGapSideBySide = 12; // pixels kept between two labels under vertical bars
constexpr int labelGapStacked = 1;     // and between two labels beside horizontal bars
// Labels beside horizontal bars are a little smaller, so that forty of them fit one above
// the other in a window of ordinary height.
constexpr qreal stackedLabelScale = 0.9;

} // namespace

BarChartView::BarChartView(QAbstractItemModel* bars, int valueColumn, int labelRole, Qt::Orientation barDirection,
                           const QString& categoryTitle, const QString& valueTitle, QWidget* parent)
    : QChartView(parent)
    , bars_(bars)
    , labelRole_(labelRole)
    , barDirection_(barDirection)
    , series_(barDirection == Qt::Vertical ? static_cast<QAbstractBarSeries*>(new QBarSeries)
                                           : new QHorizontalBarSeries)
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

    const bool vertical = barDirection == Qt::Vertical;
    // The axis titles are drawn as rich text; the one beside the left axis on two lines if long.
    categoryAxis_->setTitleText(vertical ? categoryTitle.toHtmlEscaped() : verticalAxisTitle(categoryTitle));
    categoryAxis_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    categoryAxis_->setGridLineVisible(false);
    valueAxis_->setTitleText(vertical ? verticalAxisTitle(valueTitle) : valueTitle.toHtmlEscaped());
    valueAxis_->setLabelFormat(QStringLiteral("%i"));
    chart->addAxis(categoryAxis_, vertical ? Qt::AlignBottom : Qt::AlignLeft);
    chart->addAxis(valueAxis_, vertical ? Qt::AlignLeft : Qt::AlignBottom);
    series_->attachAxis(categoryAxis_);
    series_->attachAxis(valueAxis_);

    styleChart();
    if (vertical) {
        const QFontMetrics metrics(categoryAxis_->labelsFont());
        for (int row = 0; row < bars_->rowCount(); ++row)
            labelRoom_ = std::max(labelRoom_, metrics.horizontalAdvance(labelOfBar(row)));
        labelRoom_ += labelGapSideBySide;
    } else {
        addLabelsBesideBars();
    }
    scaleAxes();
    connect(chart, &QChart::plotAreaChanged, this, &BarChartView::placeLabels);
    setRenderHint(QPainter::Antialiasing);
}

QString BarChartView::labelOfBar(int row) const
{
    return bars_->index(row, 0).data(labelRole_).toString();
}

// An axis beside a few dozen horizontal bars would elide every label, for the room it keeps
// around each; the labels are rather text items in the chart's left margin, a little smaller
// than the axis' text, and the category axis is not drawn.
void BarChartView::addLabelsBesideBars()
{
    QFont labelFont = font();
    labelFont.setPointSizeF(labelFont.pointSizeF() * stackedLabelScale);
    const QFontMetrics metrics(labelFont);
    int widest = 0;
    for (int row = 0; row < bars_->rowCount(); ++row) {
        auto* label = new QGraphicsSimpleTextItem(labelOfBar(row), chart());
        label->setFont(labelFont);
        label->setBrush(palette().text());
        labelsBesideBars_.push_back(label);
        widest = std::max(widest, metrics.horizontalAdvance(label->text()));
    }
    QMargins margins = chart()->margins();
    margins.setLeft(margins.left() + widest + labelGapSideBySide);
    chart()->setMargins(margins);
    categoryAxis_->setVisible(false);
    labelRoom_ = metrics.height() + labelGapStacked;
}

void BarChartView::styleChart()
{
    const QPalette colours = palette();
    QChart* chart = this->chart();
    styleChartFrame(chart, colours);
    chart->setTitleFont(font());
    chart->setTitleBrush(colours.text());
    for (QAbstractAxis* axis : {static_cast<QAbstractAxis*>(categoryAxis_), static_cast<QAbstractAxis*>(valueAxis_)})
        styleAxis(axis, font(), colours);
    for (QBarSet* set : series_->barSets()) {
        set->setColor(colours.color(QPalette::Highlight));
        set->setBorderColor(colours.color(QPalette::Highlight).darker(130));
    }
}

void BarChartView::scaleAxes()
{
    qreal lowest = 0;
    qreal highest = 0;
    for (const QBarSet* set : series_->barSets()) {
        for (int bar = 0; bar < set->count(); ++bar) {
            lowest = std::min(lowest, set->at(bar));
            highest = std::max(highest, set->at(bar));
        }
    }
    // Whole ticks of 1, 2 or 5 times a power of ten, about five of them from zero to the
    // farther end.
    const qreal rough = std::max<qreal>(std::max(highest, -lowest) / 5, 1);
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
    valueAxis_->setRange(std::floor(lowest / step) * step,
                         lowest < 0 && highest == 0 ? 0 : std::max(step, std::ceil(highest / step) * step));
    const int count = bars_->rowCount();
    categoryAxis_->setRange(-0.5, std::max(count, 1) - 0.5);
}

// Labels every few bars, the first included, so that a label fits in the room that step
// leaves along the plot area.
void BarChartView::placeLabels()
{
    const int count = bars_->rowCount();
    const QRectF plotArea = chart()->plotArea();
    const qreal barRoom = (barDirection_ == Qt::Vertical ? plotArea.width() : plotArea.height()) / std::max(count, 1);
    const int step = barRoom <= 0 ? std::max(count, 1) : std::max(1, static_cast<int>(std::ceil(labelRoom_ / barRoom)));
    if (barDirection_ == Qt::Horizontal) {
        for (int row = 0; row < count; ++row) {
            QGraphicsSimpleTextItem* label = labelsBesideBars_[static_cast<std::size_t>(row)];
            const QRectF box = label->boundingRect();
            const qreal middle = chart()->mapToPosition(QPointF(0, row), series_).y();
            label->setPos(plotArea.left() - labelGapSideBySide / 2.0 - box.width(), middle - box.height() / 2);
            label->setVisible(row % step == 0);
        }
        return;
    }
    if (step == labelStep_)
        return;
    labelStep_ = step;
    for (const QString& label : categoryAxis_->categoriesLabels())
        categoryAxis_->remove(label);
    for (int row = 0; row < count; row += step)
        categoryAxis_->append(labelOfBar(row), row);
    categoryAxis_->setStartValue(-0.5);
    categoryAxis_->setRange(-0.5, std::max(count, 1) - 0.5);
}

} // namespace quorvelle::ui
