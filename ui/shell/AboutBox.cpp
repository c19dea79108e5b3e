// The about box.
#include "ui/shell/AboutBox.h"

#include "ui/application.h"
#include "ui/message_box.h"
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
// then the GTK system information tool.
constexpr std::array systemInformationPrograms = {"kinfocenter", "hardinfo"};

} // namespace

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent)
{
    buildUi();
    connectSignals();
    Form_Load();
}

void AboutBox::showOver(QWidget* parent)
{
    AboutBox about(parent);
    about.exec();
}

void AboutBox::buildUi()
{
    setWindowTitle(tr("Projet Parvane Dorlesca - A propos de"));

    picIcon = new QLabel(this);
    Q_SET_OBJECT_NAME(picIcon);
    picIcon->setPixmap(logoPixmap(logoSize));
    picIcon->setAlignment(Qt::AlignTop);

    Label1 = new QLabel(tr("Quorvelle"), this);
    Q_SET_OBJECT_NAME(Label1);
    Label2 = new QLabel(tr("Quorvelle"), this);
    Q_SET_OBJECT_NAME(Label2);
    lblVersion = new QLabel(this);
    Q_SET_OBJECT_NAME(lblVersion);
    lblDisclaimer = new QLabel(this);
    Q_SET_OBJECT_NAME(lblDisclaimer);
    lblDisclaimer->setWordWrap(true);

    Frame1 = new QGroupBox(tr("Crédits"), this);
    Q_SET_OBJECT_NAME(Frame1);
    auto* credits = new QFormLayout(Frame1);
    credits->addRow(tr("Responsable: "), new QLabel(tr("Projet Parvane Dorlesca"), Frame1));
    credits->addRow(tr("Réalisation :"), new QLabel(tr("L'équipe Quorvelle"), Frame1));
    credits->addRow(tr("Courriel:"), new QLabel(tr("contact@quorvelle.example"), Frame1));
    credits->addRow(tr("Site:"), new QLabel(tr("https://quorvelle.example"), Frame1));

    cmdOK = new QPushButton(tr("OK"), this);
    Q_SET_OBJECT_NAME(cmdOK);
    cmdOK->setDefault(true);
    cmdSysInfo = new QPushButton(tr("&Infos système..."), this);
    Q_SET_OBJECT_NAME(cmdSysInfo);

    auto* heading = new QVBoxLayout;
    heading->addWidget(stackShadowedTitle(Label1, Label2, titlePointSize, this));
    heading->addWidget(lblVersion);
    heading->addWidget(lblDisclaimer);
    heading->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(picIcon);
    top->addSpacing(logoSize / 4);
    top->addLayout(heading, 1);

    auto* buttons = new QDialogButtonBox(Qt::Horizontal, this);
    buttons->addButton(cmdOK, QDialogButtonBox::AcceptRole);
    buttons->addButton(cmdSysInfo, QDialogButtonBox::ActionRole);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Frame1);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void AboutBox::connectSignals()
{
    connect(cmdOK, &QPushButton::clicked, this, &AboutBox::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &AboutBox::cmdSysInfo_Click);
}

void AboutBox::Form_Load()
{
    lblVersion->setText(tr("Version %1").arg(applicationVersion()));
}

void AboutBox::cmdOK_Click()
{
    accept();
}

void AboutBox::cmdSysInfo_Click()
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
