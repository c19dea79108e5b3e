// The main window.
#include "ui/main/Form1.h"

#include "core/character_counts.h"
#include "core/encoding.h"
#include "core/french_messages.h"
#include "core/text_file.h"
#include "ui/PlainTextBox.h"
#include "ui/cp1252_text.h"
#include "ui/hourglass.h"
#include "ui/menus.h"
#include "ui/message_box.h"
#include "ui/open_file_dialog.h"
#include "ui/shell/HelpWindow.h"
#include "ui/shell/frmAbout.h"
#include "ui/stats/frmListe01.h"
#include "ui/stats/frmstata.h"
#include "ui/stats/frmstatb.h"
#include "ui/stats/frmstatc.h"
#include "ui/stats/frmstatd.h"
#include "ui/stats/frmstate.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

#include <filesystem>
#include <new>

namespace quorvelle::ui {
namespace {

/// Above this size a file is kept only if the user confirms.
constexpr std::uintmax_t largestFileWithoutQuestion = 64000;
constexpr QSize windowSize(860, 640);

QString largeFileQuestion()
{
    const QString crLf = QStringLiteral("\r\n");
    const QString lfCr = QStringLiteral("\n\r");
    return Form1::tr("Attention!") + crLf
        + Form1::tr("Le texte, objet des statistiques à établir,") + crLf
        + Form1::tr("dépasse la taille maximale autorisée par l'application (env. 500 lignes ou 64 Kb de données).") + crLf
        + Form1::tr("En cas d'exécution,") + crLf
        + Form1::tr("les statistiques produites ne concerneront que ces 500 premières lignes ou 64 Kb de données.")
        + lfCr + crLf + Form1::tr("Désirez-vous continuer?") + lfCr;
}

std::filesystem::path fileSystemPath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

} // namespace

Form1::Form1(QWidget* parent)
    : QMainWindow(parent)
{
    buildUi();
    connectSignals();
    setTextLoaded(false);
}

void Form1::buildUi()
{
    setWindowTitle(tr("Parvane Dorlesca - Quorvelle"));

    lblFichier = new QLabel(tr("Chargez un fichier texte avec la commande Ouvrir"), this);
    Q_SET_OBJECT_NAME(lblFichier);
    lblFichier->setFrameShape(QFrame::StyledPanel);
    lblFichier->setFrameShadow(QFrame::Sunken);
    lblFichier->setTextInteractionFlags(Qt::TextSelectableByMouse);

    txtFichier = new PlainTextBox(this);
    Q_SET_OBJECT_NAME(txtFichier);
    // Both scroll bars, no wrapping: lines stay as the file has them.
    txtFichier->setLineWrapMode(QPlainTextEdit::NoWrap);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(lblFichier);
    layout->addWidget(txtFichier, 1);
    setCentralWidget(central);

    buildMenus();
    resize(windowSize);
}

void Form1::buildMenus()
{
    QMenuBar* bar = menuBar();

    mnuFichier = addMenu(bar, "mnuFichier", tr("&Fichier"));
    mnuItemOuvrir = addMenuItem(mnuFichier, "mnuItemOuvrir", tr("&Ouvrir..."));
    mnuItemFermer = addMenuItem(mnuFichier, "mnuItemFermer", tr("&Fermer"));
    mnuItemQuitter = addMenuItem(mnuFichier, "mnuItemQuitter", tr("&Quitter"));

    mnuoutils = addMenu(bar, "mnuoutils", tr("&Outils"));
    mnuoutilsanalyse01 = addMenuItem(mnuoutils, "mnuoutilsanalyse01", tr("&Nombre de caractères"));
    mnuoutilsanalyse02 = addMenuItem(mnuoutils, "mnuoutilsanalyse02", tr("&Nombre de mots"));

    statistiques = addMenu(bar, "statistiques", tr("&Statistiques"));
    liste = addMenuItem(statistiques, "liste", tr("&Liste du vocabulaire"));
    composition = addMenu(statistiques, "composition", tr("&Composition des formes"));
    stat01a = addMenuItem(composition, "stat01a", tr("&Formes / caractères"));
    stat01b = addMenuItem(composition, "stat01b", tr("&Formes / Lettres de l'alphabet"));
    stat01c = addMenuItem(composition, "stat01c", tr("&Lettres de l'alphabet - Début/fin de mot"));
    stat01d = addMenuItem(composition, "stat01d", tr("&Lettres redoublées"));
    stat01e = addMenuItem(composition, "stat01e", tr("&Récurrences phoniques"));
    frequences = addMenu(statistiques, "frequences", tr("&Fréquences d'attestation des formes"));
    calculecarts = addMenuItem(frequences, "calculecarts", tr("&Calcul des écarts"));
    cooccurrences = addMenuItem(statistiques, "cooccurrences", tr("&Les cooccurrences"));
    longueurs = addMenuItem(statistiques, "longueurs", tr("&Les longueurs de phrases"));
    enrichissement = addMenuItem(statistiques, "enrichissement", tr("&L'enrichissement du vocabulaire"));
    comparaison = addMenuItem(statistiques, "comparaison", tr("&La comparaison de vocabulaires"));

    aide = addMenu(bar, "aide", tr("&Aide"));
    about = addMenuItem(aide, "about", tr("&A propos de"));
    modemploi = addMenuItem(aide, "modemploi", tr("&Mode d'emploi"));

    textItems_ = {mnuItemFermer, mnuoutilsanalyse01, mnuoutilsanalyse02, liste, stat01a, stat01b, stat01c,
                  stat01d, stat01e};
    // Their windows are not built yet: the items keep their places, disabled.
    for (QAction* item : {calculecarts, cooccurrences, longueurs, enrichissement, comparaison})
        item->setEnabled(false);
}

void Form1::connectSignals()
{
    connect(mnuItemOuvrir, &QAction::triggered, this, &Form1::mnuItemOuvrir_Click);
    connect(mnuItemFermer, &QAction::triggered, this, &Form1::mnuItemFermer_Click);
    connect(mnuItemQuitter, &QAction::triggered, this, &Form1::mnuItemQuitter_Click);
    connect(mnuoutilsanalyse01, &QAction::triggered, this, &Form1::mnuoutilsanalyse01_Click);
    connect(mnuoutilsanalyse02, &QAction::triggered, this, &Form1::mnuoutilsanalyse02_Click);
    connect(liste, &QAction::triggered, this, &Form1::liste_Click);
    connect(stat01a, &QAction::triggered, this, &Form1::stat01a_Click);
    connect(stat01b, &QAction::triggered, this, &Form1::stat01b_Click);
    connect(stat01c, &QAction::triggered, this, &Form1::stat01c_Click);
    connect(stat01d, &QAction::triggered, this, &Form1::stat01d_Click);
    connect(stat01e, &QAction::triggered, this, &Form1::stat01e_Click);
    connect(about, &QAction::triggered, this, &Form1::about_Click);
    connect(modemploi, &QAction::triggered, this, &Form1::modemploi_Click);
}

void Form1::setTextLoaded(bool loaded)
{
    for (QAction* item : std::as_const(textItems_))
        item->setEnabled(loaded);
    mnuItemOuvrir->setEnabled(!loaded);
    txtFichier->setEnabled(loaded);
}

std::string Form1::loadedText() const
{
    return toCp1252(txtFichier->text());
}

void Form1::mnuItemOuvrir_Click()
{
    const QString path = chooseTextFile(this);
    if (!path.isEmpty())
        openTextFile(path);
}

void Form1::openTextFile(const QString& path)
{
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    std::uintmax_t fileSize = 0;
    try {
        const HourglassCursor hourglass;
        std::string bytes = readFileBytes(fileSystemPath(fullPath));
        fileSize = bytes.size();
        txtFichier->setText(fromCp1252(decodeText(std::move(bytes), Encoding::Auto)));
    } catch (const FileError& error) {
        txtFichier->setText(QString());
        if (error.reason() == FileError::Reason::TooLarge)
            reportTooLarge();
        else
            reportOpenFailure(error);
        return;
    } catch (const std::bad_alloc&) {
        // A text too large to hold in memory, or in the text box.
        txtFichier->setText(QString());
        reportTooLarge();
        return;
    }

    // The text stays in the box while the question is asked; only a No discards it.
    if (fileSize > largestFileWithoutQuestion
        && MessageBox::question(this, tr("La taille du fichier"), largeFileQuestion()) == QMessageBox::No) {
        txtFichier->setText(QString());
        return;
    }
    lblFichier->setText(fullPath);
    setTextLoaded(true);
}

void Form1::reportOpenFailure(const FileError& error)
{
    const QString path = QFile::decodeName(error.path().c_str());
    MessageBox::warning(this, tr("Ouverture impossible"),
                        utf8Text(french::fileErrorHeading(path.toStdString())) + QStringLiteral("\r\n")
                            + utf8Text(french::fileErrorReason(error.reason())));
}

void Form1::reportTooLarge()
{
    MessageBox::information(this, tr("Fichier trop volumineux"),
                            tr("Le fichier est trop volumineux.") + QStringLiteral("\r\n")
                                + tr("Le fichier ne peut dépasser la taille de 60 KO"));
}

void Form1::mnuItemFermer_Click()
{
    txtFichier->setText(QString());
    lblFichier->setText(tr("Chargez un fichier texte avec la commande Ouvrir."));
    setTextLoaded(false);
}

void Form1::mnuItemQuitter_Click()
{
    close();
}

void Form1::closeEvent(QCloseEvent* event)
{
    if (helpWindow_)
        helpWindow_->close();
    event->accept();
    QCoreApplication::quit();
}

void Form1::mnuoutilsanalyse01_Click()
{
    const CharacterCounts counts = countCharacters(loadedText());
    MessageBox::information(this, utf8Text(french::charactersTitle), utf8Text(french::charactersMessage(counts)));
}

void Form1::mnuoutilsanalyse02_Click()
{
    const CharacterCounts counts = countCharacters(loadedText());
    MessageBox::information(this, utf8Text(french::wordsTitle), utf8Text(french::wordsMessage(counts.words)));
}

void Form1::liste_Click()
{
    StatisticsWindow::openModal<frmListe01>(this, loadedText());
}

void Form1::stat01a_Click()
{
    StatisticsWindow::openModal<frmstata>(this, loadedText());
}

void Form1::stat01b_Click()
{
    StatisticsWindow::openModal<frmstatb>(this, loadedText());
}

void Form1::stat01c_Click()
{
    StatisticsWindow::openModal<frmstatc>(this, loadedText());
}

void Form1::stat01d_Click()
{
    StatisticsWindow::openModal<frmstatd>(this, loadedText());
}

void Form1::stat01e_Click()
{
    StatisticsWindow::openModal<frmstate>(this, loadedText());
}

void Form1::about_Click()
{
    frmAbout::showOver(this);
}

void Form1::modemploi_Click()
{
    if (!helpWindow_)
        helpWindow_ = new HelpWindow(this);
    helpWindow_->showContents();
    helpWindow_->show();
    helpWindow_->raise();
    helpWindow_->activateWindow();
}

} // namespace quorvelle::ui
