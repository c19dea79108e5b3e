// The wait dialogs that cover the longest computations and launch their results window.
#pragma once

#include "ui/hourglass.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QTimer;

namespace quorvelle::ui {

/// The hand-over to a long computation. launch() sets the hourglass and shows the dialog modal
/// over the caller; 300 ms later, once the dialog's message has been painted, the timer loads
/// the results window (its constructor computes), then unloads the dialog, restores the
/// pointer and shows the window modal. When the user closes the window, launch() returns.
/// A window whose computation runs out of memory is reported once the dialog is gone.
class WaitDialog : public QDialog {
    Q_OBJECT
public:
    /// Loads the results window as a child of the given caller.
    using WindowLoader = std::function<std::unique_ptr<QDialog>(QWidget* caller)>;

    /// Runs the hand-over with a dialog of the given class (Dialog01, Dialog02).
    template <class Dialog>
    static void launch(QWidget* caller, WindowLoader loadWindow)
    {
        Dialog dialog(std::move(loadWindow), caller);
        dialog.run();
    }

    WaitDialog(WindowLoader loadWindow, QWidget* caller);

protected:
    /// The user cannot cancel the computation: Escape does nothing.
    void reject() override {}

private slots:
    void Timer2_Timer();

private:
    void buildUi();
    void connectSignals();
    void run();

    WindowLoader loadWindow_;
    std::optional<HourglassCursor> hourglass_;
    QLabel* Label1;
    QTimer* Timer2;
};

} // namespace quorvelle::ui
