// Printing and saving the picture of a chart.
#include "ui/charts/chart_output.h"

#include "ui/HourglassCursor.h"
#include "ui/MessageBox.h"
#include "ui/file_dialogs.h"
#include "ui/file_saving.h"
#include "ui/printing.h"

#include <QBuffer>
#include <QChartView>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace quorvelle::ui {
namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("quorvelle::ui", text);
}

// Draws the scene view shows onto painter's device as shapes and text (not as a picture),
// scaled to fit area and centred in it.
void renderScaled(QChartView* view, QPainter& painter, const QRectF& area)
{
    QSizeF size = view->size();
    size.scale(area.size(), Qt::KeepAspectRatio);
    view->render(&painter, QRectF(area.center() - QPointF(size.width(), size.height()) / 2, size), view->rect());
}

// The view drawn as SVG, its text kept as text, or an empty array if it cannot be drawn.
QByteArray svgOf(QChartView* view, const QString& title)
{
    QBuffer buffer;
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(view->size());
    svg.setViewBox(view->rect());
    svg.setTitle(title);
    QPainter painter;
    if (!painter.begin(&svg))
        return {};
    view->render(&painter, view->rect(), view->rect());
    return painter.end() ? buffer.data() : QByteArray();
}

// The view as laid out on screen, in PNG, drawn at the pixel ratio that makes it at least
// smallestImageWidth pixels wide: lines and text as sharp as on a screen of that density.
QByteArray pngOf(QChartView* view)
{
    const qreal ratio = std::max<qreal>(1, static_cast<qreal>(smallestImageWidth) / std::max(view->width(), 1));
    QImage image(static_cast<int>(std::ceil(view->width() * ratio)),
                 static_cast<int>(std::ceil(view->height() * ratio)), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter;
    if (!painter.begin(&image))
        return {};
    view->render(&painter, QRectF(QPointF(), QSizeF(view->size())), view->rect());
    painter.end();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "PNG") ? buffer.data() : QByteArray();
}

} // namespace

void printChart(QChartView* view, const QString& documentName, QPageLayout::Orientation orientation, QWidget* window)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    printer.setPageOrientation(orientation);
    if (!setUpPrinter(printer, window))
        return;
    const HourglassCursor hourglass;
    QPainter painter;
    if (!painter.begin(&printer)) {
        reportPrintingFailure(window);
        return;
    }
    renderScaled(view, painter, painter.viewport());
    if (!painter.end())
        reportPrintingFailure(window);
}

void saveChartImage(QChartView* view, const QString& suggestedName, const QString& title, QWidget* window)
{
    const QString path = chooseImageFile(window, suggestedName);
    if (path.isEmpty())
        return;
    const HourglassCursor hourglass;
    const QByteArray image =
        path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive) ? svgOf(view, title) : pngOf(view);
    const QString failure = image.isEmpty() ? tr("l'image n'a pas pu être dessinée") : saveWhole(path, image);
    if (!failure.isEmpty())
        MessageBox::warning(window, tr("Enregistrer l'image"),
                            tr("L'image n'a pas pu être enregistrée dans « %1 » : %2.").arg(path, failure));
}

} // namespace quorvelle::ui
