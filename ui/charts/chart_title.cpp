// Chart and axis titles, written as the rich text the charts draw.
#include "ui/charts/chart_title.h"

#include <QChart>

namespace quorvelle::ui {
namespace {

// Text as rich text, its runs of blanks kept.
QString richText(const QString& text)
{
    return text.toHtmlEscaped().replace(QStringLiteral("  "), QStringLiteral("&nbsp; "));
}

QString centred(const QString& richText)
{
    return QStringLiteral("<div align=\"center\">%1</div>").arg(richText);
}

} // namespace

void setChartTitle(QChart* chart, const QString& title)
{
    const QString below = chart->title();
    QString heading = QStringLiteral("<b>%1</b>").arg(richText(title));
    if (!below.isEmpty())
        heading += QStringLiteral("<br>") + richText(below);
    chart->setTitle(centred(heading));
}

QString verticalAxisTitle(const QString& title)
{
    const qsizetype parenthesis = title.lastIndexOf(QStringLiteral(" ("));
    if (parenthesis < 0 || !title.endsWith(QLatin1Char(')')))
        return richText(title);
    return centred(richText(title.left(parenthesis)) + QStringLiteral("<br>") + richText(title.mid(parenthesis + 1)));
}

} // namespace quorvelle::ui
