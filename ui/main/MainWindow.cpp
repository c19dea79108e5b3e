// The main window.
#include "ui/main/MainWindow.h"

#include "core/character_counts.h"
#include "core/french_messages.h"
#include "ui/PlainTextBox.h"
#include "ui/cp1252_text.h"
#include "ui/menus.h"
#include "ui/message_box.h"
#include "ui/file_dialogs.h"
#include "ui/shell/WaitDialog.h"
#include "ui/shell/HelpWindow.h"
#include "ui/shell/AboutBox.h"
#include "ui/stats/VocabularyWindow.h"
#include "ui/stats/RichnessWindow.h"
#include "ui/stats/SecondTextWindow.h"
#include "ui/stats/CooccurrencesWindow.h"
#include "ui/stats/EnrichmentWindow.h"
#include "ui/stats/FrequenciesWindow.h"
#include "ui/stats/SentenceLengthsWindow.h"
#include "ui/stats/LengthsWindow.h"
#include "ui/stats/LettersWindow.h"
#include "ui/stats/StartEndLettersWindow.h"
#include "ui/stats/DoubledLettersWindow.h"
#include "ui/stats/LetterPairsWindow.h"
#include "ui/text_opening.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QCoreApplication>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

#include <memory>

namespace quorvelle::ui {
namespace {

constexpr QSize windowSize(860, 640);

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
{
    buildUi();
    connectSignals();
    setTextLoaded(false);
}

void MainWindow::buildUi()
{
    setAcceptDrops(true);
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

void MainWindow::buildMenus()
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
    richesse = addMenuItem(statistiques, "richesse", tr("&Richesse du vocabulaire"));

    aide = addMenu(bar, "aide", tr("&Aide"));
    about = addMenuItem(aide, "about", tr("&A propos de"));
    modemploi = addMenuItem(aide, "modemploi", tr("&Mode d'emploi"));

    textItems_ = {mnuItemFermer, mnuoutilsanalyse01, mnuoutilsanalyse02, liste, stat01a, stat01b, stat01c,
                  stat01d, stat01e, calculecarts, cooccurrences, longueurs, enrichissement, comparaison,
                  richesse};
}

void MainWindow::connectSignals()
{
    connect(mnuItemOuvrir, &QAction::triggered, this, &MainWindow::mnuItemOuvrir_Click);
    connect(mnuItemFermer, &QAction::triggered, this, &MainWindow::mnuItemFermer_Click);
    connect(mnuItemQuitter, &QAction::triggered, this, &MainWindow::mnuItemQuitter_Click);
    connect(mnuoutilsanalyse01, &QAction::triggered, this, &MainWindow::mnuoutilsanalyse01_Click);
    connect(mnuoutilsanalyse02, &QAction::triggered, this, &MainWindow::mnuoutilsanalyse02_Click);
    connect(liste, &QAction::triggered, this, &MainWindow::liste_Click);
    connect(stat01a, &QAction::triggered, this, &MainWindow::stat01a_Click);
    connect(stat01b, &QAction::triggered, this, &MainWindow::stat01b_Click);
    connect(stat01c, &QAction::triggered, this, &MainWindow::stat01c_Click);
    connect(stat01d, &QAction::triggered, this, &MainWindow::stat01d_Click);
    connect(stat01e, &QAction::triggered, this, &MainWindow::stat01e_Click);
    connect(calculecarts, &QAction::triggered, this, &MainWindow::calculecarts_Click);
    connect(cooccurrences, &QAction::triggered, this, &MainWindow::cooccurrences_Click);
    connect(longueurs, &QAction::triggered, this, &MainWindow::longueurs_Click);
    connect(enrichissement, &QAction::triggered, this, &MainWindow::enrichissement_Click);
    connect(comparaison, &QAction::triggered, this, &MainWindow::comparaison_Click);
    connect(richesse, &QAction::triggered, this, &MainWindow::richesse_Click);
    connect(about, &QAction::triggered, this, &MainWindow::about_Click);
    connect(modemploi, &QAction::triggered, this, &MainWindow::modemploi_Click);
}

void MainWindow::setTextLoaded(bool loaded)
{
    for (QAction* item : std::as_const(textItems_))
        item->setEnabled(loaded);
    mnuItemOuvrir->setEnabled(!loaded);
    txtFichier->setEnabled(loaded);
}

std::string_view MainWindow::loadedText() const
{
    if (const std::string* unmodified = txtFichier->unmodifiedCp1252Text())
        return *unmodified;
    editedText_ = toCp1252(txtFichier->text());
    return editedText_;
}

namespace {

// The one local file that mime data carries, or an empty string.
QString droppedFile(const QMimeData* mime)
{
    const QList<QUrl> urls = mime->urls();
    return urls.size() == 1 && urls.front().isLocalFile() ? urls.front().toLocalFile() : QString();
}

} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (mnuItemOuvrir->isEnabled() && !droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = droppedFile(event->mimeData());
    if (!mnuItemOuvrir->isEnabled() || path.isEmpty())
        return;
    event->acceptProposedAction();
    openTextFile(path);
}

void MainWindow::mnuItemOuvrir_Click()
{
    const QString path = chooseTextFile(this);
    if (!path.isEmpty())
        openTextFile(path);
}

void MainWindow::openTextFile(const QString& path)
{
    const QString fullPath = openTextInto(txtFichier, path, this);
    if (fullPath.isEmpty())
        return;
    lblFichier->setText(fullPath);
    // What the save dialogs of the windows opened from here name their files after.
    setWindowFilePath(fullPath);
    setTextLoaded(true);
}

void MainWindow::mnuItemFermer_Click()
{
    txtFichier->setText(QString());
    lblFichier->setText(tr("Chargez un fichier texte avec la commande Ouvrir."));
    setWindowFilePath(QString());
    setTextLoaded(false);
}

void MainWindow::mnuItemQuitter_Click()
{
    close();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (helpWindow_)
        helpWindow_->close();
    event->accept();
    QCoreApplication::quit();
}

void MainWindow::mnuoutilsanalyse01_Click()
{
    const CharacterCounts counts = countCharacters(loadedText());
    MessageBox::information(this, utf8Text(french::charactersTitle), utf8Text(french::charactersMessage(counts)));
}

void MainWindow::mnuoutilsanalyse02_Click()
{
    const CharacterCounts counts = countCharacters(loadedText());
    MessageBox::information(this, utf8Text(french::wordsTitle), utf8Text(french::wordsMessage(counts.words)));
}

void MainWindow::liste_Click()
{
    StatisticsWindow::openModal<VocabularyWindow>(this, loadedText());
}

void MainWindow::stat01a_Click()
{
    StatisticsWindow::openModal<LengthsWindow>(this, loadedText());
}

void MainWindow::stat01b_Click()
{
    StatisticsWindow::openModal<LettersWindow>(this, loadedText());
}

void MainWindow::stat01c_Click()
{
    StatisticsWindow::openModal<StartEndLettersWindow>(this, loadedText());
}

void MainWindow::stat01d_Click()
{
    StatisticsWindow::openModal<DoubledLettersWindow>(this, loadedText());
}

void MainWindow::stat01e_Click()
{
    StatisticsWindow::openModal<LetterPairsWindow>(this, loadedText());
}

void MainWindow::calculecarts_Click()
{
    StatisticsWindow::openModal<FrequenciesWindow>(this, loadedText());
}

void MainWindow::cooccurrences_Click()
{
    StatisticsWindow::openModal<CooccurrencesWindow>(this, loadedText());
}

void MainWindow::longueurs_Click()
{
    StatisticsWindow::openModal<SentenceLengthsWindow>(this, std::string(loadedText()));
}

void MainWindow::enrichissement_Click()
{
    // The wait dialog is modal: the text cannot change before the window reads it.
    WaitDialog::launch(this, [text = loadedText()](QWidget* caller) {
        return std::make_unique<EnrichmentWindow>(text, caller);
    });
}

void MainWindow::comparaison_Click()
{
    StatisticsWindow::openModal<SecondTextWindow>(this, txtFichier->text(), lblFichier->text());
}

void MainWindow::about_Click()
{
    AboutBox::showOver(this);
}

void MainWindow::modemploi_Click()
{
    if (!helpWindow_)
        helpWindow_ = new HelpWindow(this);
    helpWindow_->showContents();
    helpWindow_->show();
    helpWindow_->raise();
    helpWindow_->activateWindow();
}

void MainWindow::richesse_Click()
{
    StatisticsWindow::openModal<RichnessWindow>(this, loadedText());
}

} // namespace quorvelle::ui
