// The wait dialog that covers the longest computations and launches their results window.
#pragma once

#include "ui/HourglassCursor.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QTimer;

namespace quorvelle::ui {

/// The hand-over to a long computation (the vocabulary enrichment, the comparison of two
/// texts). launch() sets the hourglass and shows the dialog modal over the caller; 300 ms
/// later, once the dialog's message has been painted, the timer loads the results window (its
/// constructor computes), then unloads the dialog, restores the pointer and shows the window
/// modal. When the user closes the window, launch() returns.
/// A window whose computation runs out of memory is reported once the dialog is gone.
class WaitDialog final : public QDialog {
    Q_OBJECT
public:
    /// Loads the results window as a child of the given caller.
    using WindowLoader = std::function<std::unique_ptr<QDialog>(QWidget* caller)>;

    /// Runs the hand-over: the dialog, then the window loadWindow loads.
    static void launch(QWidget* caller, WindowLoader loadWindow);

protected:
    /// The user cannot cancel the computation: Escape does nothing.
    void reject() override { }

private slots:
    /// Loads the results window, unloads the dialog and shows the window.
    void showResults();

private:
    WaitDialog(WindowLoader loadWindow, QWidget* caller);
    void buildUi();
    void connectSignals();
    void run();

    WindowLoader loadWindow_;
    std::optional<HourglassCursor> hourglass_;
    QLabel* messageLabel;
    QTimer* handOverTimer;
};

} // namespace quorvelle::ui
