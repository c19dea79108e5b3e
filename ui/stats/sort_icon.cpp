// Drawing the sort pictures.
#include "ui/stats/sort_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QWidget>

#include <array>

namespace quorvelle::ui {
namespace {

constexpr int side = 24;
constexpr qreal arrowX = 6;
constexpr qreal arrowTop = 3;
constexpr qreal arrowBottom = 21;
constexpr qreal arrowHeadSize = 4;
constexpr qreal barLeft = 11;
constexpr qreal barHeight = 3;
constexpr std::array<qreal, 3> barTops = {4, 10.5, 17};
constexpr std::array<qreal, 3> growingBarWidths = {4, 8, 12};

} // namespace

QIcon sortIcon(SortDirection direction, const QWidget* widget)
{
    const qreal ratio = widget->devicePixelRatioF();
    QPixmap pixmap(QSize(side, side) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);

    const QColor ink = widget->palette().color(QPalette::ButtonText);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ink, 1.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(arrowX, arrowTop), QPointF(arrowX, arrowBottom - 1));
    QPainterPath head;
    head.moveTo(arrowX - arrowHeadSize, arrowBottom - arrowHeadSize);
    head.lineTo(arrowX, arrowBottom);
    head.lineTo(arrowX + arrowHeadSize, arrowBottom - arrowHeadSize);
    head.closeSubpath();
    painter.fillPath(head, ink);

    for (std::size_t bar = 0; bar < barTops.size(); ++bar) {
        const std::size_t widthIndex = direction == SortDirection::Ascending ? bar : barTops.size() - 1 - bar;
        painter.fillRect(QRectF(barLeft, barTops[bar], growingBarWidths[widthIndex], barHeight), ink);
    }
    return QIcon(pixmap);
}

} // namespace quorvelle::ui
