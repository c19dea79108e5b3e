// Waiting for work done off the interface thread: the wait dialog, with "Annuler".
#pragma once

#include "ui/MessageBox.h"

#include <QDialog>
#include <QFuture>

#include <new>
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

    /// Waits until work has finished. For the first showAfterMs the windows keep painting and
    /// the user's input is held back until the wait ends; after that the dialog shows modal
    /// over caller, its bar following the progress of measured (the part of the work that
    /// tells it) while it runs. True once the work has finished; false when the user chose
    /// "Annuler".
    static bool waitFor(QWidget* caller, const QFuture<void>& work, const QFuture<void>& measured = {});
    /// True while waitFor waits, the dialog shown or not.
    static bool waiting() { return waits_ > 0; }
    /// Throws what finished work threw, as it was thrown: QtConcurrent wraps what is not a
    /// QException.
    static void rethrowUnwrapped(QFuture<void> work);

private:
    explicit WaitDialog(QWidget* caller);
    void buildUi();
    /// The bar follows the progress of measured until it ends, then only shows that the
    /// work goes on.
    void showProgressOf(const QFuture<void>& measured);

    QLabel* messageLabel;
    QProgressBar* progressBar;
    QPushButton* cancelButton;
    static inline int waits_ = 0;
};

/// The result of work computed off the interface thread, once it is there (see
/// WaitDialog::waitFor); nothing when the user gave it up (the work is cancelled: work run by
/// runCancellable or computeWhenAnalysed stops at its next check), when the work ended without a
/// result (its text replaced meanwhile), or when the work ran out of memory, which is then
/// said over caller. Whatever else the work threw is thrown here, on the interface thread.
template <class Result>
std::optional<Result> resultAfterWaiting(QWidget* caller, QFuture<Result> work, const QFuture<void>& measured = {})
{
    if (!WaitDialog::waitFor(caller, QFuture<void>(work), measured)) {
        work.cancel();
        return std::nullopt;
    }
    try {
        WaitDialog::rethrowUnwrapped(QFuture<void>(work));
        if (work.resultCount() == 0)
            return std::nullopt;
        return work.takeResult();
    } catch (const std::bad_alloc&) {
        MessageBox::outOfMemory(caller);
        return std::nullopt;
    }
}

} // namespace quorvelle::ui
