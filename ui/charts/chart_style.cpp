// The frame and axes shared by the charts.
#include "ui/charts/chart_style.h"

#include <QAbstractAxis>
#include <QChart>
#include <QFont>
#include <QPalette>

namespace quorvelle::ui {

void styleChartFrame(QChart* chart, const QPalette& colours)
{
    chart->setBackgroundBrush(colours.base());
    chart->setBackgroundRoundness(0);
    chart->setMargins({4, 4, 4, 4});
}

void styleAxis(QAbstractAxis* axis, const QFont& font, const QPalette& colours)
{
    axis->setLabelsFont(font);
    axis->setLabelsBrush(colours.text());
    QFont titleFont = font;
    titleFont.setBold(true);
    axis->setTitleFont(titleFont);
    axis->setTitleBrush(colours.text());
    axis->setLinePenColor(colours.color(QPalette::Mid));
    axis->setGridLineColor(colours.color(QPalette::Midlight));
}

} // namespace quorvelle::ui
