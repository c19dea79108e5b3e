// A clicked() signal for widgets that have none, such as labels and frames.
#pragma once

#include <QObject>

class QWidget;

namespace quorvelle::ui {

/// Watches one widget and emits clicked() when the left button is pressed and released on
/// it. The click goes no further: the widget's parent does not see it.
class ClickSignal : public QObject {
    Q_OBJECT
public:
    /// The signal of widget, owned by it.
    static ClickSignal* of(QWidget* widget);

signals:
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit ClickSignal(QWidget* widget);
};

} // namespace quorvelle::ui
