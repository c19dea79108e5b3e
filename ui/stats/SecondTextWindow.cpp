// The second-text window.
#include "ui/stats/SecondTextWindow.h"

#include "ui/PlainTextBox.h"
#include "ui/cp1252_text.h"
#include "ui/menus.h"
#include "ui/file_dialogs.h"
#include "ui/shell/WaitDialog.h"
#include "ui/stats/ComparisonResultsWindow.h"
#include "ui/stats/window_layout.h"
#include "ui/text_opening.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

#include <memory>

namespace quorvelle::ui {
namespace {

constexpr QSize windowSize(960, 620);

} // namespace

SecondTextWindow::SecondTextWindow(const QString& text1, const QString& firstFilePath, QWidget* parent)
    : StatisticsWindow(parent)
    , firstFilePath_(firstFilePath)
{
    buildUi();
    connectSignals();
    Text1->setText(text1);
    setSecondTextLoaded(false);
}

void SecondTextWindow::buildUi()
{
    setWindowTitle(tr("Parvane Dorlesca - La comparaison de vocabulaires"));

    Label4 = new QLabel(tr("Affichez les comparaisons par la commande 'Affichage' du menu 'Statistiques'."), this);
    Q_SET_OBJECT_NAME(Label4);

    lblFichier = new QLabel(tr("Chargez un fichier texte pour le texte n°2 avec la commande Ouvrir"), this);
    Q_SET_OBJECT_NAME(lblFichier);
    Label3 = new QLabel(this);
    Q_SET_OBJECT_NAME(Label3);
    for (QLabel* path : {lblFichier, Label3})
        path->setTextInteractionFlags(Qt::TextSelectableByMouse);

    const ResultFrame first = createResultFrame("Frame1", tr("Texte n°1"), "Text1", ScrollBars::Both, this);
    Text1 = first.box;
    const ResultFrame second = createResultFrame("Frame2", tr("Texte n°2"), "Text2", ScrollBars::Both, this);
    Text2 = second.box;

    auto* texts = new QGridLayout;
    texts->addWidget(lblFichier, 0, 0);
    texts->addWidget(Label3, 0, 1);
    texts->addWidget(first.frame, 1, 0);
    texts->addWidget(second.frame, 1, 1);
    texts->setRowStretch(1, 1);
    addWindowTitle(tr("La comparaison de vocabulaires"));
    windowLayout()->addWidget(Label4, 0, Qt::AlignHCenter);
    windowLayout()->addLayout(texts, 1);

    const WindowMenus menus = buildMenuBar({.statistics = true, .quitItem = false});
    ouvrir = addMenuItem(menus.file, "ouvrir", tr("&Ouvrir le texte n°2"));
    fermer = addMenuItem(menus.file, "fermer", tr("&Fermer le texte n°2"));
    quitter = addMenuItem(menus.file, "quitter", tr("&Quitter"));
    affichage = addMenuItem(menus.statistics, "affichage", tr("&Affichage"));
    resize(windowSize);
}

void SecondTextWindow::connectSignals()
{
    connect(ouvrir, &QAction::triggered, this, &SecondTextWindow::ouvrir_Click);
    connect(fermer, &QAction::triggered, this, &SecondTextWindow::fermer_Click);
    connect(quitter, &QAction::triggered, this, &SecondTextWindow::close);
    connect(affichage, &QAction::triggered, this, &SecondTextWindow::affichage_Click);
}

void SecondTextWindow::setSecondTextLoaded(bool loaded)
{
    ouvrir->setEnabled(!loaded);
    fermer->setEnabled(loaded);
    affichage->setEnabled(loaded);
    Label4->setVisible(loaded);
    Text2->setEnabled(loaded);
}

void SecondTextWindow::ouvrir_Click()
{
    const QString path = chooseTextFile(this);
    if (!path.isEmpty())
        openSecondText(path);
}

void SecondTextWindow::openSecondText(const QString& path)
{
    const QString fullPath = openTextInto(Text2, path, this);
    if (fullPath.isEmpty())
        return;
    lblFichier->setText(firstFilePath_);
    Label3->setText(fullPath);
    setSecondTextLoaded(true);
}

void SecondTextWindow::fermer_Click()
{
    Text2->setText(QString());
    lblFichier->setText(tr("Chargez un fichier texte avec la commande Ouvrir."));
    Label3->setText(QString());
    setSecondTextLoaded(false);
}

void SecondTextWindow::affichage_Click()
{
    WaitDialog::launch(this, [text1 = toCp1252(Text1->text()), text2 = toCp1252(Text2->text())](QWidget* caller) {
        return std::make_unique<ComparisonResultsWindow>(text1, text2, caller);
    });
}

} // namespace quorvelle::ui
