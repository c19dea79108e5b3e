// The Zipf chart of the frequency window.
#include "ui/charts/ZipfChartView.h"

#include "ui/charts/chart_style.h"
#include "ui/charts/chart_title.h"
#include "ui/number_text.h"

#include <QAbstractItemModel>
#include <QChart>
#include <QLineSeries>
#include <QLogValueAxis>

#include <algorithm>
#include <cmath>

namespace quorvelle::ui {
namespace {

constexpr qreal pointSize = 5;
// A scatter series makes a graphics item of every point, which takes seconds past some
// thousands: the forms are rather one line through their points, whose markers are drawn
// while they stay apart.
constexpr int mostMarkedForms = 2000;

// A logarithmic axis from the power of ten at or below lowest to the one at or above highest,
// its title drawn as given (rich text).
QLogValueAxis* decadeAxis(double lowest, double highest, const QString& title, const QFont& font,
                          const QPalette& colours)
{
    auto* axis = new QLogValueAxis;
    axis->setBase(10);
    axis->setLabelFormat(QStringLiteral("%g"));
    axis->setMinorTickCount(-1);
    axis->setRange(std::pow(10, std::floor(std::log10(lowest))), std::pow(10, std::ceil(std::log10(highest))));
    axis->setTitleText(title);
    styleAxis(axis, font, colours);
    axis->setMinorGridLineColor(colours.color(QPalette::Midlight).lighter(105));
    return axis;
}

} // namespace

ZipfChartView::ZipfChartView(const QAbstractItemModel& points, int rankColumn, int countColumn,
                             const std::optional<ZipfFit>& line, const QString& rankTitle, const QString& countTitle,
                             QWidget* parent)
    : QChartView(parent)
{
    auto* chart = new QChart;
    setChart(chart);
    const QPalette colours = palette();
    chart->legend()->hide();
    styleChartFrame(chart, colours);
    chart->setTitle(lineCaption(line));
    chart->setTitleFont(font());
    chart->setTitleBrush(colours.text());

    auto* forms = new QLineSeries;
    forms->setColor(colours.color(QPalette::Highlight));
    forms->setMarkerSize(pointSize);
    forms->setPointsVisible(points.rowCount() <= mostMarkedForms);
    QList<QPointF> ranked;
    ranked.reserve(points.rowCount());
    double highestCount = 1;
    for (int row = 0; row < points.rowCount(); ++row) {
        const double count = points.index(row, countColumn).data().toDouble();
        ranked.append({points.index(row, rankColumn).data().toDouble(), count});
        highestCount = std::max(highestCount, count);
    }
    forms->replace(ranked);
    chart->addSeries(forms);

    const double highestRank = std::max<double>(points.rowCount(), 1);
    QLogValueAxis* rankAxis = decadeAxis(1, std::max(highestRank, 10.0), rankTitle.toHtmlEscaped(), font(), colours);
    QLogValueAxis* countAxis =
        decadeAxis(1, std::max(highestCount, 10.0), verticalAxisTitle(countTitle), font(), colours);
    chart->addAxis(rankAxis, Qt::AlignBottom);
    chart->addAxis(countAxis, Qt::AlignLeft);
    forms->attachAxis(rankAxis);
    forms->attachAxis(countAxis);

    if (line) {
        // Straight on logarithmic axes: its two ends are enough.
        auto* fitted = new QLineSeries;
        const auto countAt = [&line](double rank) {
            return std::pow(10, line->intercept + line->slope * std::log10(rank));
        };
        fitted->append(1, countAt(1));
        fitted->append(highestRank, countAt(highestRank));
        QPen pen(colours.color(QPalette::Text));
        pen.setWidthF(1.5);
        fitted->setPen(pen);
        chart->addSeries(fitted);
        fitted->attachAxis(rankAxis);
        fitted->attachAxis(countAxis);
    }
    setRenderHint(QPainter::Antialiasing);
}

QString ZipfChartView::lineCaption(const std::optional<ZipfFit>& line)
{
    if (!line)
        return tr("Il faut au moins deux formes pour ajuster une droite.");
    const QString slope =
        line->slope < 0 ? tr("− %1").arg(measureText(-line->slope)) : tr("+ %1").arg(measureText(line->slope));
    const QString fit = line->determination ? tr("R² = %1").arg(measureText(line->determination)) : tr("R² non défini");
    return tr("log10 f = %1 %2 × log10 r   (pente b = %3, ordonnée a = %1, %4)")
        .arg(measureText(line->intercept), slope, measureText(line->slope), fit);
}

} // namespace quorvelle::ui
