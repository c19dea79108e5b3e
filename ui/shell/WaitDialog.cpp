// The wait dialog's hand-over.
#include "ui/shell/WaitDialog.h"

#include "ui/MessageBox.h"

#include <QFrame>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include <new>
#include <utility>

namespace quorvelle::ui {
namespace {

constexpr int handOverDelayMs = 300;
constexpr int messagePointSize = 11;
constexpr int margin = 24;

} // namespace

void WaitDialog::launch(QWidget* caller, WindowLoader loadWindow)
{
    WaitDialog dialog(std::move(loadWindow), caller);
    dialog.run();
}

WaitDialog::WaitDialog(WindowLoader loadWindow, QWidget* caller)
    : QDialog(caller, Qt::Dialog | Qt::FramelessWindowHint)
    , loadWindow_(std::move(loadWindow))
{
    buildUi();
    connectSignals();
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

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Raised);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(margin, margin, margin, margin);
    frameLayout->addWidget(messageLabel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);

    // Started as the dialog is shown; one tick is all it takes.
    handOverTimer = new QTimer(this);
    Q_SET_OBJECT_NAME(handOverTimer);
    handOverTimer->setSingleShot(true);
    handOverTimer->setInterval(handOverDelayMs);
}

void WaitDialog::connectSignals()
{
    connect(handOverTimer, &QTimer::timeout, this, &WaitDialog::showResults);
}

void WaitDialog::run()
{
    hourglass_.emplace();
    handOverTimer->start();
    exec();
}

void WaitDialog::showResults()
{
    std::unique_ptr<QDialog> window;
    bool outOfMemory = false;
    try {
        window = loadWindow_(parentWidget());
    } catch (const std::bad_alloc&) {
        outOfMemory = true; // reported once the dialog is gone
    }
    // Loaded: the dialog goes and the caller's pointer comes back before the results show.
    hourglass_.reset();
    done(Accepted);
    if (outOfMemory)
        MessageBox::outOfMemory(parentWidget());
    else if (window)
        window->exec();
}

} // namespace quorvelle::ui
