// The printed vocabulary listing.
#include "ui/stats/vocabulary_printing.h"

#include "ui/printing.h"

#include <QPainter>
#include <QPrinter>
#include <QString>

#include <algorithm>

namespace quorvelle::ui {
namespace {

constexpr int secondColumnTwips = 5000;
constexpr int headerPointSize = 12;
constexpr int rowPointSize = 9;

QFont listingFont(int pointSize, bool bold)
{
    QFont font(QStringLiteral("Verdana"), pointSize, bold ? QFont::Bold : QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace

bool printListing(QPrinter& printer, const std::vector<PrintPage>& pages)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QFont headerFont = listingFont(headerPointSize, true);
    const QFont rowFont = listingFont(rowPointSize, false);
    const int secondColumn = twipsToDots(secondColumnTwips, printer.resolution());
    // The first page holds the header, the rule and as many rows as later pages hold less one.
    const qreal pageHeight = painter.viewport().height();
    for (std::size_t page = 0; page < pages.size(); ++page) {
        if (page > 0 && !printer.newPage())
            return false;
        qreal baseline = 0;
        for (const PrintLine& line : pages[page]) {
            painter.setFont(line.kind == PrintLine::Kind::Header ? headerFont : rowFont);
            const QFontMetricsF metrics = painter.fontMetrics();
            const qreal lineHeight = std::min<qreal>(metrics.lineSpacing(), pageHeight / (linesPerPage + 1));
            baseline += line.kind == PrintLine::Kind::Header ? metrics.ascent() : lineHeight;
            painter.drawText(QPointF(0, baseline), QString::fromStdString(line.left));
            if (!line.right.empty())
                painter.drawText(QPointF(secondColumn, baseline), QString::fromStdString(line.right));
        }
    }
    return painter.end();
}

} // namespace quorvelle::ui
