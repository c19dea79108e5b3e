// The wait dialog, and waiting without it.
#include "ui/WaitDialog.h"

#include "ui/HourglassCursor.h"

#include <QEventLoop>
#include <QFrame>
#include <QFutureWatcher>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimer>
#include <QUnhandledException>
#include <QVBoxLayout>

#include <exception>

namespace quorvelle::ui {
namespace {

constexpr int messagePointSize = 11;
constexpr int margin = 24;

} // namespace

bool WaitDialog::waitFor(QWidget* caller, const QFuture<void>& work, const QFuture<void>& measured)
{
    if (work.isFinished())
        return true;
    ++waits_;
    const auto waited = qScopeGuard([] { --waits_; });
    QFutureWatcher<void> watcher;
    // A glance first, under the hourglass: the windows repaint, the user's input waits.
    {
        const HourglassCursor hourglass;
        QEventLoop glance;
        QTimer::singleShot(showAfterMs, &glance, &QEventLoop::quit);
        connect(&watcher, &QFutureWatcher<void>::finished, &glance, &QEventLoop::quit);
        watcher.setFuture(work);
        glance.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (work.isFinished())
        return true;
    WaitDialog dialog(caller);
    dialog.showProgressOf(measured);
    connect(&watcher, &QFutureWatcher<void>::finished, &dialog, &QDialog::accept);
    // The watcher may have seen the end just before it was connected to the dialog.
    if (work.isFinished())
        return true;
    return dialog.exec() == QDialog::Accepted;
}

void WaitDialog::rethrowUnwrapped(QFuture<void> work)
{
    try {
        work.waitForFinished();
    } catch (const QUnhandledException& unhandled) {
        if (unhandled.exception())
            std::rethrow_exception(unhandled.exception());
        throw;
    }
}

WaitDialog::WaitDialog(QWidget* caller)
    : QDialog(caller, Qt::Dialog | Qt::FramelessWindowHint)
{
    buildUi();
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void WaitDialog::buildUi()
{
    messageLabel = new QLabel(tr("Veuillez patienter, l'exécution est en cours ..."), this);
    Q_SET_OBJECT_NAME(messageLabel);
    QFont font = messageLabel->font();
    font.setPointSize(messagePointSize);
    font.setBold(true);
    messageLabel->setFont(font);
    messageLabel->setAlignment(Qt::AlignCenter);

    // Until the work says how far it has gone, the bar only shows that it goes on.
    progressBar = new QProgressBar(this);
    Q_SET_OBJECT_NAME(progressBar);
    progressBar->setRange(0, 0);
    progressBar->setAccessibleName(messageLabel->text());

    cancelButton = new QPushButton(tr("Annuler"), this);
    Q_SET_OBJECT_NAME(cancelButton);

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Raised);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(margin, margin, margin, margin);
    frameLayout->addWidget(messageLabel);
    frameLayout->addWidget(progressBar);
    frameLayout->addWidget(cancelButton, 0, Qt::AlignCenter);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
}

void WaitDialog::showProgressOf(const QFuture<void>& measured)
{
    if (measured.isFinished())
        return;
    auto* watcher = new QFutureWatcher<void>(this);
    connect(watcher, &QFutureWatcher<void>::progressRangeChanged, progressBar, &QProgressBar::setRange);
    connect(watcher, &QFutureWatcher<void>::progressValueChanged, progressBar, &QProgressBar::setValue);
    connect(watcher, &QFutureWatcher<void>::finished, progressBar, [this] { progressBar->setRange(0, 0); });
    watcher->setFuture(measured);
}

} // namespace quorvelle::ui
