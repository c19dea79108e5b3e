#include "monkey/Monkey.h"

#include "monkey/dialog_answers.h"
#include "monkey/moves.h"
#include "ui/WaitDialog.h"

#include <QApplication>
#include <QMainWindow>
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

// True when window is opener, or a window opened from it, however many windows lie between.
bool isOrOpenedFrom(const QWidget* window, const QWidget* opener)
{
    for (const QWidget* widget = window; widget; widget = widget->parentWidget())
        if (widget == opener)
            return true;
    return false;
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
    QList<QWidget*> windows = openWindows();
    // A modal window blocks every window but itself and those opened beside it from it.
    if (QWidget* modal = QApplication::activeModalWidget())
        windows.removeIf([modal](const QWidget* window) { return !isOrOpenedFrom(window, modal); });
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
    QList<QWidget*> windows = openWindows();
    if (windows.isEmpty()) {
        finished_ = true;
        QCoreApplication::quit();
        return;
    }
    // One window a turn, the main window last: closing it ends the program, once it has asked
    // about an edited text, which the next turn answers (see dismiss).
    std::ranges::stable_partition(windows,
                                  [](const QWidget* window) { return !qobject_cast<const QMainWindow*>(window); });
    finished_ = qobject_cast<QMainWindow*>(windows.front()) != nullptr;
    QTimer::singleShot(stepIntervalMs, this, &Monkey::windDown);
    windows.front()->close();
}

} // namespace quorvelle::monkey
