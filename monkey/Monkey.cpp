#include "monkey/Monkey.h"

#include "monkey/dialog_answers.h"
#include "monkey/moves.h"
#include "ui/shell/WaitDialog.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace quorvelle::monkey {
namespace {

// Steps go through a real timer rather than a zero one, which Qt runs as a posted event: a
// chain of posted events would starve the timers of the program and of the watchdog's beat.
constexpr int stepIntervalMs = 1;

// The windows a user could bring forward: shown, and not a menu, tooltip or other popup,
// ordered by class and title so that a seed always finds them in the same order.
QList<QWidget*> openWindows()
{
    QList<QWidget*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && (widget->windowType() == Qt::Window || widget->windowType() == Qt::Dialog))
            windows.append(widget);
    std::ranges::sort(windows, [](const QWidget* left, const QWidget* right) {
        const auto key = [](const QWidget* widget) {
            return std::pair(QString::fromLatin1(widget->metaObject()->className()), widget->windowTitle());
        };
        return key(left) < key(right);
    });
    return windows;
}

} // namespace

Monkey::Monkey(std::uint64_t seed, std::chrono::seconds duration, Workspace workspace, ActionLog& log)
    : dice_(seed)
    , deadline_(Clock::now() + duration)
    , workspace_(std::move(workspace))
    , log_(log)
{
}

void Monkey::start()
{
    QTimer::singleShot(stepIntervalMs, this, &Monkey::step);
}

QWidget* Monkey::windowTakingInput()
{
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup;
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    QList<QWidget*> windows = openWindows();
    return windows.isEmpty() ? nullptr : dice_.pick(windows);
}

void Monkey::step()
{
    if (Clock::now() >= deadline_) {
        windDown();
        return;
    }
    QTimer::singleShot(stepIntervalMs, this, &Monkey::step);

    // While work is waited for, the user's input waits too, and whether the wait dialog shows
    // depends on time: the monkey waits, so that a seed always does the same.
    if (ui::WaitDialog::waiting())
        return;
    QWidget* window = windowTakingInput();
    if (!window)
        return;
    std::optional<Move> move = answerDialog(window, dice_, workspace_);
    if (!move && window->windowType() == Qt::Popup)
        move = Move{QStringLiteral("close the popup"), [window] { window->close(); }};
    if (!move)
        move = chooseMove(window, dice_, workspace_);
    if (!move)
        return;
    log_.record(move->description);
    move->perform();
}

void Monkey::windDown()
{
    QWidget* top = QApplication::activePopupWidget();
    if (!top)
        top = QApplication::activeModalWidget();
    if (top || ui::WaitDialog::waiting()) {
        if (top && !ui::WaitDialog::waiting())
            dismiss(top);
        QTimer::singleShot(stepIntervalMs, this, &Monkey::windDown);
        return;
    }
    for (QWidget* window : openWindows())
        window->close();
    finished_ = true;
    QCoreApplication::quit();
}

} // namespace quorvelle::monkey
