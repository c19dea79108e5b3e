// The splash window.
#include "ui/shell/SplashWindow.h"

#include "ui/ClickSignal.h"
#include "ui/application.h"
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

#include <initializer_list>
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
    dismissTimer->start();
}

void SplashWindow::buildUi()
{
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);

    frame = new QFrame(this);
    Q_SET_OBJECT_NAME(frame);
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Raised);
    frame->setLineWidth(2);

    logo = new QLabel(frame);
    Q_SET_OBJECT_NAME(logo);
    logo->setPixmap(logoPixmap(logoSize));

    pagePicture = new QLabel(frame);
    Q_SET_OBJECT_NAME(pagePicture);
    pagePicture->setPixmap(renderDrawing(QStringLiteral(":/images/page.svg"), pictureSize));

    QWidget* shadowedTitle = createShadowedTitle(tr("PARVANE DORLESCA"), titlePointSize, frame);
    title = shadowedTitle->findChild<QLabel*>(QStringLiteral("title"));
    // The shadow is only a shadow: a click on it does nothing, not even on the frame below.
    shadowedTitle->findChild<QLabel*>(QStringLiteral("titleShadow"))->setAttribute(Qt::WA_NoMousePropagation);

    versionLabel = new QLabel(tr("Version %1").arg(shortVersion()), frame);
    Q_SET_OBJECT_NAME(versionLabel);
    platformLabel = new QLabel(tr("GNU/Linux — Debian 12 et suivantes"), frame);
    Q_SET_OBJECT_NAME(platformLabel);
    productLabel = new QLabel(tr("Atelier de statistique lexicale Parvane Dorlesca"), frame);
    Q_SET_OBJECT_NAME(productLabel);
    // Empty, across the foot of the texts; a click on it does nothing either.
    footerLabel = new QLabel(frame);
    Q_SET_OBJECT_NAME(footerLabel);
    footerLabel->setAttribute(Qt::WA_NoMousePropagation);

    QFont versionFont = versionLabel->font();
    versionFont.setPointSize(versionFont.pointSize() + 4);
    versionFont.setBold(true);
    versionLabel->setFont(versionFont);

    auto* texts = new QVBoxLayout;
    texts->addWidget(shadowedTitle);
    texts->addSpacing(12);
    texts->addWidget(versionLabel, 0, Qt::AlignRight);
    texts->addWidget(platformLabel, 0, Qt::AlignRight);
    texts->addStretch();
    texts->addWidget(productLabel, 0, Qt::AlignRight);
    texts->addWidget(footerLabel);

    auto* content = new QGridLayout(frame);
    content->setContentsMargins(18, 18, 18, 18);
    content->setHorizontalSpacing(24);
    content->addWidget(logo, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    content->addWidget(pagePicture, 1, 0, Qt::AlignLeft | Qt::AlignBottom);
    content->addLayout(texts, 0, 1, 2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(frame);

    dismissTimer = new QTimer(this);
    Q_SET_OBJECT_NAME(dismissTimer);
    dismissTimer->setSingleShot(true);
    dismissTimer->setInterval(splashDurationMs);

    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void SplashWindow::connectSignals()
{
    for (QWidget* widget :
         std::initializer_list<QWidget*>{frame, logo, pagePicture, title, versionLabel, platformLabel, productLabel})
        connect(ClickSignal::of(widget), &ClickSignal::clicked, this, &SplashWindow::dismiss);
    connect(dismissTimer, &QTimer::timeout, this, &SplashWindow::dismiss);
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
    dismiss();
}

void SplashWindow::dismiss()
{
    // Taken once: whatever comes after the first trigger finds nothing to show.
    const std::function<void()> showMainWindow = std::exchange(showMainWindow_, nullptr);
    if (!showMainWindow)
        return;
    dismissTimer->stop();
    close();
    showMainWindow();
}

} // namespace quorvelle::ui
