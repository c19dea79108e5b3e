// The about box.
#include "ui/shell/AboutBox.h"

#include "ui/MessageBox.h"
#include "ui/application.h"
#include "ui/shadowed_title.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <array>

namespace quorvelle::ui {
namespace {

constexpr int logoSize = 64;
constexpr int titlePointSize = 20;

// The system information programs looked for on PATH, in order: the KDE information centre,
// the GTK system information tool, then Windows' own.
constexpr std::array systemInformationPrograms = {"kinfocenter", "hardinfo", "msinfo32"};

} // namespace

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent)
{
    buildUi();
    connectSignals();
}

void AboutBox::showOver(QWidget* parent)
{
    AboutBox about(parent);
    about.exec();
}

void AboutBox::buildUi()
{
    setWindowTitle(tr("Projet Parvane Dorlesca - A propos de"));

    logo = new QLabel(this);
    Q_SET_OBJECT_NAME(logo);
    logo->setPixmap(logoPixmap(logoSize));
    logo->setAlignment(Qt::AlignTop);

    versionLabel = new QLabel(tr("Version %1").arg(applicationVersion()), this);
    Q_SET_OBJECT_NAME(versionLabel);
    disclaimerLabel = new QLabel(this);
    Q_SET_OBJECT_NAME(disclaimerLabel);
    disclaimerLabel->setWordWrap(true);

    creditsFrame = new QGroupBox(tr("Crédits"), this);
    Q_SET_OBJECT_NAME(creditsFrame);
    auto* credits = new QFormLayout(creditsFrame);
    credits->addRow(tr("Responsable: "), new QLabel(tr("Projet Parvane Dorlesca"), creditsFrame));
    credits->addRow(tr("Réalisation :"), new QLabel(tr("L'équipe Quorvelle"), creditsFrame));
    credits->addRow(tr("Courriel:"), new QLabel(tr("contact@quorvelle.example"), creditsFrame));
    credits->addRow(tr("Site:"), new QLabel(tr("https://quorvelle.example"), creditsFrame));

    okButton = new QPushButton(tr("OK"), this);
    Q_SET_OBJECT_NAME(okButton);
    okButton->setDefault(true);
    systemInfoButton = new QPushButton(tr("&Infos système..."), this);
    Q_SET_OBJECT_NAME(systemInfoButton);

    auto* heading = new QVBoxLayout;
    heading->addWidget(createShadowedTitle(tr("Quorvelle"), titlePointSize, this));
    heading->addWidget(versionLabel);
    heading->addWidget(disclaimerLabel);
    heading->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(logo);
    top->addSpacing(logoSize / 4);
    top->addLayout(heading, 1);

    auto* buttons = new QDialogButtonBox(Qt::Horizontal, this);
    buttons->addButton(okButton, QDialogButtonBox::AcceptRole);
    buttons->addButton(systemInfoButton, QDialogButtonBox::ActionRole);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(creditsFrame);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void AboutBox::connectSignals()
{
    connect(okButton, &QPushButton::clicked, this, &AboutBox::accept);
    connect(systemInfoButton, &QPushButton::clicked, this, &AboutBox::showSystemInformation);
}

void AboutBox::showSystemInformation()
{
    // The first program found is the one started; a failure to start it is reported like
    // a missing one.
    for (const char* program : systemInformationPrograms) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(program));
        if (path.isEmpty())
            continue;
        if (QProcess::startDetached(path, {}))
            return;
        break;
    }
    MessageBox::notice(this, applicationTitle(), tr("Les informations système ne sont pas disponibles actuellement"));
}

} // namespace quorvelle::ui
