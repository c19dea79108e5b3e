// The help window.
#include "ui/HelpWindow.h"

#include <QHBoxLayout>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace quorvelle::ui {
namespace {

const QUrl contentsPage(QStringLiteral("qrc:/help/index.html"));
constexpr QSize windowSize(760, 680);

} // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    buildUi();
    connectSignals();
}

void HelpWindow::buildUi()
{
    setWindowTitle(tr("Parvane Dorlesca - Mode d'emploi"));

    contentsButton = new QToolButton(this);
    Q_SET_OBJECT_NAME(contentsButton);
    contentsButton->setText(tr("&Sommaire"));
    backButton = new QToolButton(this);
    Q_SET_OBJECT_NAME(backButton);
    // Named after the history they walk, as in a web browser: the pages' own links lead from
    // chapter to chapter.
    backButton->setText(tr("&Retour"));
    backButton->setToolTip(tr("Revenir à la page lue avant celle-ci"));
    backButton->setEnabled(false);
    forwardButton = new QToolButton(this);
    Q_SET_OBJECT_NAME(forwardButton);
    forwardButton->setText(tr("&Avancer"));
    forwardButton->setToolTip(tr("Retourner à la page quittée par « Retour »"));
    forwardButton->setEnabled(false);

    helpBrowser = new QTextBrowser(this);
    Q_SET_OBJECT_NAME(helpBrowser);
    // Links out of the manual open in the user's browser.
    helpBrowser->setOpenExternalLinks(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contentsButton);
    buttons->addWidget(backButton);
    buttons->addWidget(forwardButton);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(helpBrowser);
    resize(windowSize);
}

void HelpWindow::connectSignals()
{
    connect(contentsButton, &QToolButton::clicked, this, &HelpWindow::showContents);
    connect(backButton, &QToolButton::clicked, helpBrowser, &QTextBrowser::backward);
    connect(forwardButton, &QToolButton::clicked, helpBrowser, &QTextBrowser::forward);
    connect(helpBrowser, &QTextBrowser::backwardAvailable, backButton, &QToolButton::setEnabled);
    connect(helpBrowser, &QTextBrowser::forwardAvailable, forwardButton, &QToolButton::setEnabled);
}

void HelpWindow::showContents()
{
    helpBrowser->setSource(contentsPage);
}

void HelpWindow::showPage(const QString& page)
{
    helpBrowser->setSource(contentsPage.resolved(QUrl(page)));
}

} // namespace quorvelle::ui
