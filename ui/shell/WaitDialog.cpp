// The wait dialogs' hand-over.
#include "ui/shell/WaitDialog.h"

#include "ui/message_box.h"

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

WaitDialog::WaitDialog(WindowLoader loadWindow, QWidget* caller)
    : QDialog(caller, Qt::Dialog | Qt::FramelessWindowHint)
    , loadWindow_(std::move(loadWindow))
{
    buildUi();
    connectSignals();
}

void WaitDialog::buildUi()
{
    Label1 = new QLabel(tr("Veuillez patienter, l'exécution est en cours ..."), this);
    Q_SET_OBJECT_NAME(Label1);
    QFont font = Label1->font();
    font.setPointSize(messagePointSize);
    font.setBold(true);
    Label1->setFont(font);
    Label1->setAlignment(Qt::AlignCenter);

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Raised);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(margin, margin, margin, margin);
    frameLayout->addWidget(Label1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);

    // Started as the dialog is shown; one tick is all it takes.
    Timer2 = new QTimer(this);
    Q_SET_OBJECT_NAME(Timer2);
    Timer2->setSingleShot(true);
    Timer2->setInterval(handOverDelayMs);
}

void WaitDialog::connectSignals()
{
    connect(Timer2, &QTimer::timeout, this, &WaitDialog::Timer2_Timer);
}

void WaitDialog::run()
{
    hourglass_.emplace();
    Timer2->start();
    exec();
}

void WaitDialog::Timer2_Timer()
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
