// The main window.
#include "ui/main/MainWindow.h"

#include "core/explanations/figure_explanation.h"
#include "core/presentation/corpus_messages.h"
#include "core/presentation/french_messages.h"
#include "core/reports/character_counts.h"
#include "core/statistics/all_statistics.h"
#include "ui/HelpWindow.h"
#include "ui/HourglassCursor.h"
#include "ui/LoadedTextBox.h"
#include "ui/MessageBox.h"
#include "ui/corpus_opening.h"
#include "ui/cp1252_text.h"
#include "ui/file_dialogs.h"
#include "ui/letter_rule_setting.h"
#include "ui/main/statistic_windows.h"
#include "ui/menus.h"
#include "ui/shell/AboutBox.h"
#include "ui/stats/ConcordanceWindow.h"
#include "ui/stats/CorpusWindow.h"
#include "ui/stats/FunctionWordsDialog.h"
#include "ui/stats/SearchDialog.h"
#include "ui/studied_files.h"
#include "ui/text_opening.h"
#include "ui/text_saving.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QSplitter>
#include <QUrl>
#include <QVBoxLayout>

#include <memory>

namespace quorvelle::ui {
namespace {

constexpr QSize windowSize(860, 640);
constexpr int partListWidth = 220;

CharacterCounts countCharactersOf(const SharedText& text)
{
    return countCharacters(text->text(), text->letters());
}

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

    filePathLabel = new QLabel(tr("Chargez un fichier texte avec la commande Ouvrir"), this);
    Q_SET_OBJECT_NAME(filePathLabel);
    filePathLabel->setFrameShape(QFrame::StyledPanel);
    filePathLabel->setFrameShadow(QFrame::Sunken);
    filePathLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    textBox = new LoadedTextBox(this);
    Q_SET_OBJECT_NAME(textBox);
    textAnalysis_ = new TextAnalysis(textBox);

    partList = new QListWidget(this);
    Q_SET_OBJECT_NAME(partList);
    partList->setAccessibleName(tr("Parties du corpus"));
    partList->setToolTip(tr("Choisir une partie montre son début dans le texte."));
    partList->hide();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(filePathLabel);
    // The parts' names can be long: the user may widen their list.
    auto* textRow = new QSplitter(this);
    Q_SET_OBJECT_NAME(textRow);
    textRow->addWidget(partList);
    textRow->addWidget(textBox);
    textRow->setStretchFactor(1, 1);
    textRow->setSizes({partListWidth, windowSize.width() - partListWidth});
    layout->addWidget(textRow, 1);
    setCentralWidget(central);

    buildMenus();
    resize(windowSize);
}

void MainWindow::buildMenus()
{
    QMenuBar* bar = menuBar();

    QMenu* fileMenu = addMenu(bar, "fileMenu", tr("&Fichier"));
    openAction = addMenuItem(fileMenu, "openAction", tr("&Ouvrir..."));
    openCorpusAction = addMenuItem(fileMenu, "openCorpusAction", tr("Ouvrir un &corpus..."));
    saveTextAsAction = addMenuItem(fileMenu, "saveTextAsAction", tr("&Enregistrer le texte sous..."));
    saveTextAsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    closeAction = addMenuItem(fileMenu, "closeAction", tr("&Fermer"));
    quitAction = addClosingItem(fileMenu);

    QMenu* toolsMenu = addMenu(bar, "toolsMenu", tr("&Outils"));
    characterCountAction = addMenuItem(toolsMenu, "characterCountAction", tr("&Nombre de caractères"));
    wordCountAction = addMenuItem(toolsMenu, "wordCountAction", tr("Nombre de &mots"));
    searchAction = addMenuItem(toolsMenu, "searchAction", tr("C&hercher dans le texte..."));
    searchAction->setShortcut(QKeySequence::Find);
    toolsMenu->addSeparator();
    functionWordsAction = addMenuItem(toolsMenu, "functionWordsAction", tr("Mots-&outils..."));
    extendedLettersAction =
        addMenuItem(toolsMenu, "extendedLettersAction", tr("&Compter œ, Œ, Ÿ, Š, Ž comme des lettres"));
    extendedLettersAction->setCheckable(true);
    const LetterRule savedLetters = savedLetterRule();
    extendedLettersAction->setChecked(savedLetters == LetterRule::Extended);
    textAnalysis_->setLetters(savedLetters);
    textItems_ = {closeAction, characterCountAction, wordCountAction, searchAction};

    QMenu* statisticsMenu = addMenu(bar, "statisticsMenu", tr("&Statistiques"));
    buildStatisticsMenu(statisticsMenu);
    statisticsMenu->addSeparator();
    corpusAction = addMenuItem(statisticsMenu, "corpusAction", tr("Le corpus et ses par&ties"));

    QMenu* helpMenu = addMenu(bar, "helpMenu", tr("&Aide"));
    aboutAction = addMenuItem(helpMenu, "aboutAction", tr("&A propos de"));
    manualAction = addMenuItem(helpMenu, "manualAction", tr("&Mode d'emploi"));

    // Saving needs a text too.
    textItems_.append(saveTextAsAction);
}

void MainWindow::buildStatisticsMenu(QMenu* statisticsMenu)
{
    forEachStatistic([this, statisticsMenu](auto statistic) {
        using Statistic = decltype(statistic);
        if constexpr (!Statistic::info.menuItem.empty()) {
            QAction* item = addStatisticItem(statisticsMenu, Statistic::info);
            connect(item, &QAction::triggered, this, [this] { openWindowOf<Statistic>(*this); });
            textItems_.append(item);
        }
    });
}

QAction* MainWindow::addStatisticItem(QMenu* statisticsMenu, const StatisticInfo& statistic)
{
    QMenu* menu = statisticsMenu;
    if (!statistic.menuGroup.name.empty()) {
        const std::string groupName(statistic.menuGroup.name);
        menu = statisticsMenu->findChild<QMenu*>(QString::fromStdString(groupName), Qt::FindDirectChildrenOnly);
        if (!menu)
            menu = addMenu(statisticsMenu, groupName.c_str(), utf8Text(statistic.menuGroup.caption));
    }
    const std::string name = std::string(statistic.name) + "Action";
    return addMenuItem(menu, name.c_str(), utf8Text(statistic.menuItem));
}

void MainWindow::connectSignals()
{
    connect(openAction, &QAction::triggered, this, &MainWindow::openChosenTextFile);
    connect(openCorpusAction, &QAction::triggered, this, &MainWindow::openChosenCorpusFiles);
    connect(corpusAction, &QAction::triggered, this, &MainWindow::openCorpusWindow);
    connect(partList, &QListWidget::currentRowChanged, this, &MainWindow::showChosenPart);
    connect(saveTextAsAction, &QAction::triggered, this, &MainWindow::saveTextAs);
    connect(closeAction, &QAction::triggered, this, &MainWindow::closeText);
    connect(quitAction, &QAction::triggered, this, &MainWindow::close);
    connect(characterCountAction, &QAction::triggered, this, &MainWindow::showCharacterCounts);
    connect(wordCountAction, &QAction::triggered, this, &MainWindow::showWordCount);
    connect(searchAction, &QAction::triggered, this, &MainWindow::searchText);
    connect(functionWordsAction, &QAction::triggered, this, [this] { FunctionWordsDialog::edit(this); });
    connect(extendedLettersAction, &QAction::toggled, this, &MainWindow::applyLetterRuleChoice);
    connect(aboutAction, &QAction::triggered, this, &MainWindow::showAboutBox);
    connect(manualAction, &QAction::triggered, this, &MainWindow::showManual);
}

void MainWindow::setTextLoaded(bool loaded)
{
    for (QAction* item : std::as_const(textItems_))
        item->setEnabled(loaded);
    openAction->setEnabled(!loaded);
    openCorpusAction->setEnabled(!loaded);
    corpusAction->setEnabled(loaded && corpus_ && corpus_->parts.size() >= 2);
    textBox->setEnabled(loaded);
}

void MainWindow::setCorpus(std::shared_ptr<const Corpus> corpus)
{
    corpus_ = std::move(corpus);
    // A corpus's text is its parts': an edit would no longer fall in them.
    textBox->setReadOnly(corpus_ != nullptr);
    const QSignalBlocker blocker(partList);
    partList->clear();
    partList->setVisible(corpus_ != nullptr);
    if (!corpus_)
        return;
    for (const CorpusPart& part : corpus_->parts) {
        partList->addItem(fromCp1252(part.name));
        partList->item(partList->count() - 1)->setToolTip(fromCp1252(part.name));
    }
}

LoadedTextBox* MainWindow::loadedTextBox() const
{
    return textBox;
}

bool MainWindow::showsText(const AnalysedText& text) const
{
    return textAnalysis_->boxHolds(text);
}

QFuture<SharedText> MainWindow::analysis()
{
    return textAnalysis_->current();
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
    if (openAction->isEnabled() && !droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = droppedFile(event->mimeData());
    if (!openAction->isEnabled() || path.isEmpty())
        return;
    event->acceptProposedAction();
    openTextFile(path);
}

void MainWindow::openChosenTextFile()
{
    const QString path = chooseTextFile(this);
    if (!path.isEmpty())
        openTextFile(path);
}

void MainWindow::openChosenCorpusFiles()
{
    const QStringList paths = chooseCorpusFiles(this);
    if (!paths.isEmpty())
        openCorpusFiles(paths);
}

void MainWindow::openCorpusFiles(const QStringList& paths)
{
    std::shared_ptr<const Corpus> corpus = openCorpus(paths, textAnalysis_->letters(), this);
    if (!corpus)
        return;
    textBox->setCp1252Text(std::shared_ptr<const std::string>(corpus, &corpus->text));
    const qsizetype parts = static_cast<qsizetype>(corpus->parts.size());
    filePathLabel->setText(
        paths.size() == 1
            ? tr("Corpus de %1 : %2")
                  .arg(utf8Text(ExplanationNumbers::counted(parts, "partie", "parties")),
                       QDir::toNativeSeparators(QFileInfo(paths.front()).absoluteFilePath()))
            : tr("Corpus de %1 : %2")
                  .arg(utf8Text(ExplanationNumbers::counted(paths.size(), "fichier", "fichiers")),
                       QDir::toNativeSeparators(QFileInfo(paths.front()).absolutePath())));
    setStudiedFiles(this, paths);
    textEncoding_ = Encoding::Utf8;
    setCorpus(std::move(corpus));
    setTextLoaded(true);
    if (parts < 2) {
        QString message = utf8Text(french::tooFewGroupsMessage(static_cast<std::size_t>(parts), {}));
        message[0] = message[0].toUpper();
        MessageBox::information(this, tr("Ouvrir un corpus"), message);
    }
}

void MainWindow::showChosenPart(int part)
{
    if (corpus_ && part >= 0)
        textBox->showCharacterAt(static_cast<qsizetype>(corpus_->parts.at(static_cast<std::size_t>(part)).begin));
}

void MainWindow::searchText()
{
    const std::optional<TextQuery> query = SearchDialog::ask(this, textAnalysis_->letters());
    if (!query)
        return;
    if (std::optional<SharedText> text = computeFromText(*this, [](SharedText analysed) { return analysed; }))
        ConcordanceWindow::openQuery(this, std::move(*text), query->words, query->syntax);
}

void MainWindow::openCorpusWindow()
{
    if (corpus_)
        CorpusWindow::open(this, corpus_, textAnalysis_->letters());
}

void MainWindow::openTextFile(const QString& path)
{
    const std::optional<OpenedText> opened = openTextInto(textBox, path, this);
    if (!opened)
        return;
    setTextFile(opened->path, opened->encoding);
    setTextLoaded(true);
}

void MainWindow::setTextFile(const QString& path, Encoding encoding)
{
    filePathLabel->setText(path);
    setStudiedFiles(this, {path});
    textEncoding_ = encoding;
}

bool MainWindow::saveTextAs()
{
    // Beside the text's file, as a text file of the same name.
    const QFileInfo file(studiedFiles(this).value(0));
    const QString proposed = file.suffix().compare(QLatin1String("txt"), Qt::CaseInsensitive) == 0
        ? file.filePath()
        : file.dir().filePath(file.completeBaseName() + QStringLiteral(".txt"));
    const std::optional<TextFileChoice> chosen = chooseTextFileToSave(this, proposed, textEncoding_);
    if (!chosen)
        return false;
    const QString path = QFileInfo(chosen->path).absoluteFilePath();
    if (!mayOverwriteSubstitutes(path))
        return false;
    QString failure;
    {
        const HourglassCursor hourglass;
        failure = saveText(path, textBox->text(), chosen->encoding);
    }
    if (!failure.isEmpty()) {
        MessageBox::warning(
            this, tr("Enregistrer le texte sous"),
            tr("Le texte n'a pas pu être enregistré dans « %1 » : %2.").arg(QDir::toNativeSeparators(path), failure));
        return false;
    }
    textBox->markSaved();
    setTextFile(path, chosen->encoding);
    return true;
}

bool MainWindow::mayOverwriteSubstitutes(const QString& path)
{
    // The characters the text's file held outside code page 1252 were each read as the
    // substitute character: writing the text over that file would lose them there too.
    const QString source = studiedFiles(this).value(0);
    const qsizetype substitutes = textBox->text().count(QChar(static_cast<char16_t>(substituteCharacter)));
    if (substitutes == 0 || source.isEmpty() || QFileInfo(source).absoluteFilePath() != path)
        return true;
    const QString characters = substitutes == 1 ? tr("un caractère") : tr("%1 caractères").arg(substitutes);
    return MessageBox::question(this, tr("Enregistrer le texte sous"),
                                tr("Le fichier « %1 » contenait %2 que le programme ne sait pas représenter et qu'il "
                                   "a remplacés à l'ouverture.\r\nL'enregistrer sous le même nom les remplacerait "
                                   "aussi dans le fichier. Enregistrer quand même ?")
                                    .arg(QDir::toNativeSeparators(source), characters))
        == QMessageBox::Yes;
}

bool MainWindow::offerToSaveEdits()
{
    if (!textBox->isEdited())
        return true;
    const QString name = QFileInfo(studiedFiles(this).value(0)).fileName();
    switch (MessageBox::saveQuestion(
        this, tr("Texte modifié"),
        tr("Le texte « %1 » a été modifié.\r\nEnregistrer les modifications avant de le fermer ?").arg(name))) {
    case QMessageBox::Yes:
        return saveTextAs();
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

void MainWindow::closeText()
{
    if (!offerToSaveEdits())
        return;
    textBox->setText(QString());
    filePathLabel->setText(tr("Chargez un fichier texte avec la commande Ouvrir."));
    setStudiedFiles(this, {});
    setCorpus(nullptr);
    setTextLoaded(false);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!offerToSaveEdits()) {
        event->ignore();
        return;
    }
    if (helpWindow_)
        helpWindow_->close();
    event->accept();
    QCoreApplication::quit();
}

void MainWindow::applyLetterRuleChoice(bool extended)
{
    const LetterRule letters = extended ? LetterRule::Extended : LetterRule::Classic;
    saveLetterRule(letters);
    textAnalysis_->setLetters(letters);
}

QString MainWindow::countsTitle(std::string_view title) const
{
    return utf8Text(french::titleUnderRule(title, textAnalysis_->letters()));
}

void MainWindow::showCharacterCounts()
{
    if (const std::optional<CharacterCounts> counts = computeFromText(*this, countCharactersOf))
        MessageBox::information(this, countsTitle(french::charactersTitle),
                                utf8Text(french::charactersMessage(*counts)));
}

void MainWindow::showWordCount()
{
    if (const std::optional<CharacterCounts> counts = computeFromText(*this, countCharactersOf))
        MessageBox::information(this, countsTitle(french::wordsTitle), utf8Text(french::wordsMessage(counts->words)));
}

void MainWindow::showAboutBox()
{
    AboutBox::showOver(this);
}

void MainWindow::showManual()
{
    if (!helpWindow_)
        helpWindow_ = new HelpWindow(this);
    helpWindow_->showContents();
    helpWindow_->show();
    helpWindow_->raise();
    helpWindow_->activateWindow();
}

} // namespace quorvelle::ui
