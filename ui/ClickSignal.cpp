// Turning a press and release of the left button on a widget into clicked().
#include "ui/ClickSignal.h"

#include <QMouseEvent>
#include <QWidget>

namespace quorvelle::ui {

ClickSignal::ClickSignal(QWidget* widget)
    : QObject(widget)
{
    widget->installEventFilter(this);
}

ClickSignal* ClickSignal::of(QWidget* widget)
{
    return new ClickSignal(widget);
}

bool ClickSignal::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease)
        return QObject::eventFilter(watched, event);
    const auto* mouseEvent = static_cast<QMouseEvent*>(event);
    if (mouseEvent->button() != Qt::LeftButton)
        return QObject::eventFilter(watched, event);
    const auto* widget = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::MouseButtonRelease && widget->rect().contains(mouseEvent->position().toPoint()))
        emit clicked();
    return true;
}

} // namespace quorvelle::ui
