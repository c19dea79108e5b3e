// The splash window.
#include "ui/shell/SplashWindow.h"

#include "ui/application.h"
#include "ui/click_signal.h"
#include "ui/shadowed_title.h"

#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

namespace quorvelle::ui {
namespace {

constexpr int splashDurationMs = 3000;
constexpr int logoSize = 96;
constexpr QSize pictureSize(160, 120);
constexpr int titlePointSize = 24;

} // namespace

SplashWindow::SplashWindow(std::function<void()> showMainWindow)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
    , showMainWindow_(std::move(showMainWindow))
{
    setAttribute(Qt::WA_DeleteOnClose);
    // The main window opens just after the splash window closes: closing it must not end
    // the program as the last window.
    setAttribute(Qt::WA_QuitOnClose, false);
    buildUi();
    connectSignals();
    Timer1->start();
}

void SplashWindow::buildUi()
{
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);

    Frame1 = new QFrame(this);
    Q_SET_OBJECT_NAME(Frame1);
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setFrameShadow(QFrame::Raised);
    Frame1->setLineWidth(2);

    imgLogo = new QLabel(Frame1);
    Q_SET_OBJECT_NAME(imgLogo);
    imgLogo->setPixmap(logoPixmap(logoSize));

    Image1 = new QLabel(Frame1);
    Q_SET_OBJECT_NAME(Image1);
    Image1->setPixmap(renderDrawing(QStringLiteral(":/images/page.svg"), pictureSize));

    Label1 = new QLabel(tr("PARVANE DORLESCA"), Frame1);
    Q_SET_OBJECT_NAME(Label1);
    Label5 = new QLabel(tr("PARVANE DORLESCA"), Frame1);
    Q_SET_OBJECT_NAME(Label5);
    // Label1 is only the shadow: a click on it does nothing, not even on the frame below.
    Label1->setAttribute(Qt::WA_NoMousePropagation);

    Label2 = new QLabel(tr("Version %1").arg(shortVersion()), Frame1);
    Q_SET_OBJECT_NAME(Label2);
    Label3 = new QLabel(tr("GNU/Linux — Debian 12 et suivantes"), Frame1);
    Q_SET_OBJECT_NAME(Label3);
    Label4 = new QLabel(tr("Atelier de statistique lexicale Parvane Dorlesca"), Frame1);
    Q_SET_OBJECT_NAME(Label4);
    Label7 = new QLabel(Frame1);
    Q_SET_OBJECT_NAME(Label7);
    Label7->setAttribute(Qt::WA_NoMousePropagation);

    QFont versionFont = Label2->font();
    versionFont.setPointSize(versionFont.pointSize() + 4);
    versionFont.setBold(true);
    Label2->setFont(versionFont);

    auto* texts = new QVBoxLayout;
    texts->addWidget(stackShadowedTitle(Label1, Label5, titlePointSize, Frame1));
    texts->addSpacing(12);
    texts->addWidget(Label2, 0, Qt::AlignRight);
    texts->addWidget(Label3, 0, Qt::AlignRight);
    texts->addStretch();
    texts->addWidget(Label4, 0, Qt::AlignRight);
    texts->addWidget(Label7);

    auto* content = new QGridLayout(Frame1);
    content->setContentsMargins(18, 18, 18, 18);
    content->setHorizontalSpacing(24);
    content->addWidget(imgLogo, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    content->addWidget(Image1, 1, 0, Qt::AlignLeft | Qt::AlignBottom);
    content->addLayout(texts, 0, 1, 2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(Frame1);

    Timer1 = new QTimer(this);
    Q_SET_OBJECT_NAME(Timer1);
    Timer1->setSingleShot(true);
    Timer1->setInterval(splashDurationMs);

    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void SplashWindow::connectSignals()
{
    connect(ClickSignal::of(Frame1), &ClickSignal::clicked, this, &SplashWindow::Frame1_Click);
    connect(ClickSignal::of(Image1), &ClickSignal::clicked, this, &SplashWindow::Image1_Click);
    connect(ClickSignal::of(imgLogo), &ClickSignal::clicked, this, &SplashWindow::imgLogo_Click);
    connect(ClickSignal::of(Label2), &ClickSignal::clicked, this, &SplashWindow::Label2_Click);
    connect(ClickSignal::of(Label3), &ClickSignal::clicked, this, &SplashWindow::Label3_Click);
    connect(ClickSignal::of(Label4), &ClickSignal::clicked, this, &SplashWindow::Label4_Click);
    connect(ClickSignal::of(Label5), &ClickSignal::clicked, this, &SplashWindow::Label5_Click);
    connect(Timer1, &QTimer::timeout, this, &SplashWindow::Timer1_Timer);
}

void SplashWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Keys reach the splash window only once it has the focus.
    activateWindow();
    setFocus();
}

void SplashWindow::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    Form_KeyPress();
}

void SplashWindow::Form_KeyPress() { unloadAndShowMainWindow(); }
void SplashWindow::Frame1_Click() { unloadAndShowMainWindow(); }
void SplashWindow::Image1_Click() { unloadAndShowMainWindow(); }
void SplashWindow::imgLogo_Click() { unloadAndShowMainWindow(); }
void SplashWindow::Label2_Click() { unloadAndShowMainWindow(); }
void SplashWindow::Label3_Click() { unloadAndShowMainWindow(); }
void SplashWindow::Label4_Click() { unloadAndShowMainWindow(); }
void SplashWindow::Label5_Click() { unloadAndShowMainWindow(); }
void SplashWindow::Timer1_Timer() { unloadAndShowMainWindow(); }

void SplashWindow::unloadAndShowMainWindow()
{
    // Taken once: whatever comes after the first trigger finds nothing to show.
    const std::function<void()> showMainWindow = std::exchange(showMainWindow_, nullptr);
    if (!showMainWindow)
        return;
    Timer1->stop();
    close();
    showMainWindow();
}

} // namespace quorvelle::ui
