// Waiting for work done off the interface thread: the wait dialog, with "Annuler".
#pragma once

#include <QDialog>
#include <QFuture>
#include <QUnhandledException>

#include <exception>
#include <optional>

class QLabel;
class QProgressBar;
class QPushButton;

namespace quorvelle::ui {

/// Shown while a computation runs in a worker thread (an analysis, a report), once it has
/// taken longer than a glance: it says to wait, shows that the work goes on, and lets the user
/// give it up with "Annuler".
class WaitDialog final : public QDialog {
    Q_OBJECT
public:
    /// How long work may take before the dialog shows.
    static constexpr int showAfterMs = 300;

    /// Waits until work has finished. For the first showAfterMs the windows keep painting but
    /// take no input, which waits until the work is done; after that the dialog shows modal
    /// over caller. True once the work has finished; false when the user chose "Annuler": the
    /// work is then abandoned (it may run on, its result unread).
    static bool waitFor(QWidget* caller, const QFuture<void>& work);
    /// True while waitFor waits, the dialog shown or not.
    static bool waiting() { return waits_ > 0; }

private:
    explicit WaitDialog(QWidget* caller);
    void buildUi();

    QLabel* messageLabel;
    QProgressBar* progressBar;
    QPushButton* cancelButton;
    static inline int waits_ = 0;
};

/// The result of work computed off the interface thread, once it is there (see
/// WaitDialog::waitFor), or nothing when the user gave it up. What the work threw is thrown
/// here, on the interface thread.
template <class Result>
std::optional<Result> resultAfterWaiting(QWidget* caller, QFuture<Result> work)
{
    if (!WaitDialog::waitFor(caller, QFuture<void>(work))) {
        work.cancel();
        return std::nullopt;
    }
    try {
        return work.takeResult();
    } catch (const QUnhandledException& unhandled) {
        // QtConcurrent wraps what is not a QException: the original is thrown again.
        if (unhandled.exception())
            std::rethrow_exception(unhandled.exception());
        throw;
    }
}

} // namespace quorvelle::ui
