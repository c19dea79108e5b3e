// The factor map of the corpus window.
#include "ui/charts/FactorMapView.h"

#include "ui/charts/chart_style.h"
#include "ui/charts/chart_title.h"
#include "ui/cp1252_text.h"

#include <QChart>
#include <QGraphicsSimpleTextItem>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <array>
#include <vector>
#include <cmath>

namespace quorvelle::ui {
namespace {

constexpr qreal partSize = 10;
constexpr qreal formSize = 7;
constexpr qreal labelGap = 4;
// How many label heights a label may move up or down beside its point to find room.
constexpr int mostLabelShifts = 3;
// The room around the cloud, as a share of its extent, so that the labels at its edges show.
constexpr double margin = 0.15;

QValueAxis* coordinateAxis(double lowest, double highest, const QString& title, const QFont& font,
                           const QPalette& colours)
{
    auto* axis = new QValueAxis;
    const double extent = std::max(highest - lowest, 1e-9);
    axis->setRange(lowest - margin * extent, highest + margin * extent);
    axis->applyNiceNumbers();
    axis->setTitleText(title);
    styleAxis(axis, font, colours);
    return axis;
}

QScatterSeries* pointSeries(const QString& name, QScatterSeries::MarkerShape shape, qreal size, const QColor& colour)
{
    auto* series = new QScatterSeries;
    series->setName(name);
    series->setMarkerShape(shape);
    series->setMarkerSize(size);
    series->setColor(colour);
    series->setBorderColor(colour.darker(130));
    return series;
}

} // namespace

FactorMapView::FactorMapView(std::vector<FactorMapPoint> points, const QString& xTitle, const QString& yTitle,
                             QWidget* parent)
    : QChartView(parent)
    , points_(std::move(points))
{
    auto* chart = new QChart;
    setChart(chart);
    const QPalette colours = palette();
    styleChartFrame(chart, colours);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setLabelColor(colours.color(QPalette::Text));

    parts_ = pointSeries(tr("Parties"), QScatterSeries::MarkerShapeRectangle, partSize,
                         colours.color(QPalette::Highlight));
    forms_ = pointSeries(tr("Formes"), QScatterSeries::MarkerShapeCircle, formSize, QColor(0xc0, 0x50, 0x30));
    double lowestX = 0, highestX = 0, lowestY = 0, highestY = 0;
    for (const FactorMapPoint& point : points_) {
        (point.isPart ? parts_ : forms_)->append(point.x, point.y);
        lowestX = std::min(lowestX, point.x);
        highestX = std::max(highestX, point.x);
        lowestY = std::min(lowestY, point.y);
        highestY = std::max(highestY, point.y);
    }
    QValueAxis* xAxis = coordinateAxis(lowestX, highestX, xTitle.toHtmlEscaped(), font(), colours);
    QValueAxis* yAxis = coordinateAxis(lowestY, highestY, verticalAxisTitle(yTitle), font(), colours);
    chart->addAxis(xAxis, Qt::AlignBottom);
    chart->addAxis(yAxis, Qt::AlignLeft);

    // The axes through the centre of the cloud, where the profiles are the mean one.
    QPen centrePen(colours.color(QPalette::Mid));
    centrePen.setStyle(Qt::DashLine);
    const std::array<std::pair<QPointF, QPointF>, 2> centreLines = {
        std::pair{QPointF(xAxis->min(), 0), QPointF(xAxis->max(), 0)},
        std::pair{QPointF(0, yAxis->min()), QPointF(0, yAxis->max())}};
    for (const auto& [from, to] : centreLines) {
        auto* line = new QLineSeries;
        line->append(from);
        line->append(to);
        line->setPen(centrePen);
        chart->addSeries(line);
        line->attachAxis(xAxis);
        line->attachAxis(yAxis);
        chart->legend()->markers(line).front()->setVisible(false);
    }
    for (QScatterSeries* series : {forms_, parts_}) {
        chart->addSeries(series);
        series->attachAxis(xAxis);
        series->attachAxis(yAxis);
    }

    for (const FactorMapPoint& point : points_) {
        auto* label = new QGraphicsSimpleTextItem(fromCp1252(point.name), chart);
        QFont labelFont = font();
        labelFont.setBold(point.isPart);
        label->setFont(labelFont);
        label->setBrush(colours.text());
        labels_.push_back(label);
    }
    connect(chart, &QChart::plotAreaChanged, this, &FactorMapView::placeLabels);
    setRenderHint(QPainter::Antialiasing);
}

void FactorMapView::resizeEvent(QResizeEvent* event)
{
    QChartView::resizeEvent(event);
    placeLabels();
}

void FactorMapView::placeLabels()
{
    std::vector<QRectF> taken;
    for (std::size_t place = 0; place < points_.size(); ++place) {
        const FactorMapPoint& point = points_[place];
        QGraphicsSimpleTextItem* label = labels_[place];
        const QPointF at = chart()->mapToPosition({point.x, point.y}, point.isPart ? parts_ : forms_);
        const QSizeF size = label->boundingRect().size();
        std::vector<QRectF> candidates = {
            QRectF(QPointF(at.x() + labelGap, at.y() - size.height() / 2), size),
            QRectF(QPointF(at.x() - labelGap - size.width(), at.y() - size.height() / 2), size),
            QRectF(QPointF(at.x() - size.width() / 2, at.y() - labelGap - size.height()), size),
            QRectF(QPointF(at.x() - size.width() / 2, at.y() + labelGap), size),
        };
        for (int shift = 1; shift <= mostLabelShifts; ++shift)
            for (const qreal direction : {-1.0, 1.0})
                for (const QRectF& beside : {candidates[0], candidates[1]})
                    candidates.push_back(beside.translated(0, direction * shift * size.height()));
        const auto free = std::ranges::find_if(candidates, [&](const QRectF& candidate) {
            return chart()->plotArea().contains(candidate)
                && std::ranges::none_of(taken, [&](const QRectF& other) { return other.intersects(candidate); });
        });
        const bool shown = free != candidates.end() || point.isPart;
        label->setVisible(shown);
        if (!shown)
            continue;
        const QRectF where = free != candidates.end() ? *free : candidates.front();
        label->setPos(where.topLeft());
        taken.push_back(where);
    }
}

QStringList FactorMapView::shownLabels() const
{
    QStringList shown;
    for (const QGraphicsSimpleTextItem* label : labels_)
        if (label->isVisible())
            shown << label->text();
    return shown;
}

} // namespace quorvelle::ui
