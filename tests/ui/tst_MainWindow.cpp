// The main window: menus and their states, opening, saving and closing a text, the question
// about edits not saved, the size question, the failures, the counts, and the windows it opens.
#include "tests/ui/ui_test_support.h"
#include "ui/HelpWindow.h"
#include "ui/LoadedTextBox.h"
#include "ui/MessageBox.h"
#include "ui/PlainTextBox.h"
#include "ui/TextAnalysis.h"
#include "ui/file_dialogs.h"
#include "ui/main/MainWindow.h"
#include "ui/stats/ConcordanceWindow.h"
#include "ui/stats/CorpusWindow.h"

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QPromise>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>

#include <memory>
#include <optional>

using namespace quorvelle;
using ui::MessageBox;
using ui::ShownMessage;

namespace {

const QString startCaption = QStringLiteral("Chargez un fichier texte avec la commande Ouvrir");
const QString closedCaption = QStringLiteral("Chargez un fichier texte avec la commande Ouvrir.");

const QString sizeQuestionText =
    QStringLiteral("Attention!\r\n"
                   "Le texte, objet des statistiques à établir,\r\n"
                   "dépasse la taille maximale autorisée par l'application (env. 500 lignes ou 64 Kb de données).\r\n"
                   "En cas d'exécution,\r\n"
                   "les statistiques produites porteront sur tout le texte, mais leur calcul pourra être plus long.\n\r"
                   "\r\n"
                   "Désirez-vous continuer?\n\r");

const QString tooLargeText = QStringLiteral("Le fichier est trop volumineux.\r\nLe fichier ne peut dépasser la taille "
                                            "de 2 Go, ni celle de la mémoire disponible.");

} // namespace

class tst_MainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        test::setUpWindowTests();
        QVERIFY(files_.isValid());
    }

    void init()
    {
        mainWindow_ = std::make_unique<ui::MainWindow>();
        MessageBox::takeShownMessages();
    }

    void cleanup()
    {
        mainWindow_.reset();
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    // The menu tree with its captions, "!" marking a disabled item: without a text, with a
    // text, after closing it, and after an opening answered No.
    void menus()
    {
        const QString withoutText = QStringLiteral(
            "fileMenu=&Fichier[openAction=&Ouvrir... openCorpusAction=Ouvrir un &corpus... "
            "!saveTextAsAction=&Enregistrer le texte sous... "
            "!closeAction=&Fermer = quitAction=&Quitter] "
            "toolsMenu=&Outils[!characterCountAction=&Nombre de caractères !wordCountAction=Nombre de &mots "
            "!searchAction=C&hercher dans le texte... = functionWordsAction=Mots-&outils... "
            "extendedLettersAction=&Compter œ, Œ, Ÿ, Š, Ž comme des lettres] "
            "statisticsMenu=&Statistiques[!vocabularyAction=&Liste du vocabulaire compositionMenu=&Composition des "
            "formes["
            "!lengthsAction=&Formes / caractères !lettersAction=Formes / Lettres de l'&alphabet "
            "!edgesAction=&Lettres de l'alphabet - Début/fin de mot !doublesAction=Lettres re&doublées "
            "!pairsAction=&Récurrences phoniques] frequenciesMenu=&Fréquences d'attestation des formes["
            "!frequenciesAction=&Calcul des écarts] !cooccurrencesAction=Les c&ooccurrences "
            "!segmentsAction=Les &segments répétés "
            "!sentencesAction=Les longueurs de &phrases !enrichmentAction=L'&enrichissement du vocabulaire "
            "!compareAction=La co&mparaison de vocabulaires !richnessAction=&Richesse du vocabulaire "
            "!lemmasAction=Lemmes et caté&gories = "
            "!corpusAction=Le corpus et ses par&ties] "
            "helpMenu=&Aide[aboutAction=&A propos de manualAction=&Mode d'emploi]");
        const QString withText = QString(withoutText)
                                     .remove(QLatin1Char('!'))
                                     .replace(QStringLiteral("openAction"), QStringLiteral("!openAction"))
                                     .replace(QStringLiteral("openCorpusAction"), QStringLiteral("!openCorpusAction"))
                                     .replace(QStringLiteral("corpusAction=Le"), QStringLiteral("!corpusAction=Le"));
        QCOMPARE(test::menuTree(mainWindow_->menuBar()->actions()), withoutText);
        openSample();
        QCOMPARE(test::menuTree(mainWindow_->menuBar()->actions()), withText);
        item("closeAction")->trigger();
        QCOMPARE(test::menuTree(mainWindow_->menuBar()->actions()), withoutText);
        MessageBox::setNextAnswer(QMessageBox::No);
        mainWindow_->openTextFile(largeFile(64001));
        QCOMPARE(test::menuTree(mainWindow_->menuBar()->actions()), withoutText);
    }

    // A cancelled dialog changes nothing. Opening shows the text, decoded, and its full path,
    // also when the path given is relative; the statistics read the text in code page 1252.
    // Save dialogs propose names after the open text. Closing empties the box and ends the
    // caption with a full stop.
    void openAndClose()
    {
        QCOMPARE(mainWindow_->windowTitle(), QStringLiteral("Parvane Dorlesca - Quorvelle"));
        ui::setNextChosenFile(QString());
        item("openAction")->trigger();
        QCOMPARE(caption(), startCaption);
        QVERIFY(!textBox()->isEnabled());
        const QString path = test::writeFile(files_, QStringLiteral("ouvert.txt"),
                                             "\xC3\x89t\xC3\xA9 \xE2\x80\x99"
                                             "a\r\n");
        const QString previous = QDir::currentPath();
        QDir::setCurrent(files_.path());
        ui::setNextChosenFile(QStringLiteral("ouvert.txt"));
        item("openAction")->trigger();
        QDir::setCurrent(previous);
        QCOMPARE(caption(), path);
        QVERIFY(textBox()->isEnabled());
        QCOMPARE(textBox()->text(), QStringLiteral("Été ’a\r\n"));
        QCOMPARE(analysedText(),
                 QByteArray("\xC9t\xE9 \x92"
                            "a\r\n"));
        QVERIFY(MessageBox::takeShownMessages().isEmpty());
        // While a text is loaded, a drop is refused: it never replaces the text.
        QMimeData dropped;
        dropped.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent refused(QPoint(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(mainWindow_.get(), &refused);
        QVERIFY(!refused.isAccepted());
        const QWidget statisticsWindow(mainWindow_.get());
        QCOMPARE(ui::proposedFilePath(&statisticsWindow, QStringLiteral("frequences.csv")),
                 files_.filePath(QStringLiteral("ouvert-frequences.csv")));

        item("closeAction")->trigger();
        QCOMPARE(caption(), closedCaption);
        QVERIFY(textBox()->text().isEmpty());
        QVERIFY(!textBox()->isEnabled());
        QCOMPARE(ui::proposedFilePath(mainWindow_.get(), QStringLiteral("frequences.csv")),
                 QStringLiteral("frequences.csv"));

        // A file dropped on the window opens as "Ouvrir..." opens it.
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(mainWindow_.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(mainWindow_.get(), &drop);
        QCOMPARE(caption(), path);
    }

    // A corpus shows its text without its marker lines, read-only, its parts listed beside it:
    // choosing one shows its start. Its window opens from "Statistiques"; closing it ends the
    // corpus. A corpus of one part says that a partition needs two.
    void openCorpus()
    {
        const QString path = test::writeFile(files_, QStringLiteral("parties.txt"),
                                             "**** *auteur_a\r\nle chat\r\n**** *auteur_b\r\nle chien\r\n");
        ui::setNextChosenCorpusFiles({path});
        item("openCorpusAction")->trigger();
        QVERIFY(MessageBox::takeShownMessages().isEmpty());
        QCOMPARE(caption(), QStringLiteral("Corpus de 2 parties : ") + QDir::toNativeSeparators(path));
        QCOMPARE(textBox()->text(), QStringLiteral("le chat\r\nle chien\r\n"));
        QCOMPARE(analysedText(), QByteArray("le chat\r\nle chien\r\n"));
        QVERIFY(textBox()->isReadOnly());
        auto* parts = mainWindow_->findChild<QListWidget*>(QStringLiteral("partList"));
        QCOMPARE(parts->count(), 2);
        QCOMPARE(parts->item(1)->text(), QStringLiteral("auteur_b"));
        parts->setCurrentRow(1);
        QCOMPARE(textBox()->textCursor().position(), 8);
        QVERIFY(item("corpusAction")->isEnabled());
        test::inspectWindowBeside([this] { item("corpusAction")->trigger(); },
                                  [](QWidget* window) { QVERIFY(qobject_cast<ui::CorpusWindow*>(window)); });

        item("closeAction")->trigger();
        QVERIFY(!textBox()->isReadOnly());
        QVERIFY(parts->isHidden());
        QVERIFY(!item("corpusAction")->isEnabled());
        ui::setNextChosenCorpusFiles({test::writeFile(files_, QStringLiteral("seule.txt"), "une seule partie")});
        item("openCorpusAction")->trigger();
        QCOMPARE(MessageBox::takeShownMessages().value(0).text,
                 QStringLiteral("Ce corpus n'a qu'une partie : une partition en demande au moins deux pour que les "
                                "parties se comparent."));
        QVERIFY(!item("corpusAction")->isEnabled());
    }

    // A document opens as its text, under its own name.
    void openDocument()
    {
        const QString path = QStringLiteral(QUORVELLE_TEST_DOCUMENTS "/texte.epub");
        ui::setNextChosenFile(path);
        item("openAction")->trigger();
        QVERIFY(MessageBox::takeShownMessages().isEmpty());
        QCOMPARE(caption(), path);
        QVERIFY(textBox()->text().startsWith(QStringLiteral("Le village au bord de l’eau\r\nAu bord de la rivière")));
    }

    void saveTextAs_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("type"); // -1: the type proposed
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("saved");
        QTest::addColumn<QString>("failure");
        // "Été" with two kinds of line ends, then what is typed: the line ends stay as they are.
        const QByteArray cp1252("\xC9t\xE9\r\nfin\n\x9C"
                                "uf");
        QTest::newRow("UTF-8") << "utf8.txt" << 0 << "œuf" << QByteArray("\xC3\x89t\xC3\xA9\r\nfin\n\xC5\x93uf") << "";
        QTest::newRow("Windows-1252") << "cp1252.txt" << 1 << "œuf" << cp1252 << "";
        QTest::newRow("as read") << "tel-quel.txt" << -1 << "œuf" << cp1252 << "";
        QTest::newRow("outside Windows-1252")
            << "refus.txt" << 1 << "Ő" << QByteArray()
            << "la code page 1252 n'a pas le caractère « Ő » de la ligne 3 ; enregistrez le texte en UTF-8";
        QTest::newRow("no such folder")
            << "absent/t.txt" << 0 << "a" << QByteArray()
            << QStringLiteral("le dossier « %1 » n'existe pas").arg(files_.filePath(QStringLiteral("absent")));
    }

    // "Enregistrer le texte sous..." writes the text as it stands in the encoding chosen, and
    // the saved file is then the text's; a save that cannot be made says why, writes nothing,
    // and leaves the text edited.
    void saveTextAs()
    {
        QFETCH(QString, name);
        QFETCH(int, type);
        QFETCH(QString, typed);
        QFETCH(QByteArray, saved);
        QFETCH(QString, failure);
        const QString opened = test::writeFile(files_, QStringLiteral("lu.txt"), "\xC9t\xE9\r\nfin\n");
        mainWindow_->openTextFile(opened);
        typeAtTheEnd(typed);
        const QString path = files_.filePath(name);
        ui::setNextChosenFile(path, type < 0 ? std::nullopt : std::optional<int>(type));
        item("saveTextAsAction")->trigger();
        QCOMPARE(MessageBox::takeShownMessages().value(0).text,
                 failure.isEmpty()
                     ? QString()
                     : QStringLiteral("Le texte n'a pas pu être enregistré dans « %1 » : %2.").arg(path, failure));
        QCOMPARE(fileBytes(path), saved);
        QCOMPARE(textBox()->isEdited(), !failure.isEmpty());
        QCOMPARE(caption(), failure.isEmpty() ? path : opened);
    }

    // A file whose characters outside Windows-1252 were substituted when read is not written
    // over without a question: declined, the file stays as it was; elsewhere, no question.
    void savingOverSubstitutedCharacters()
    {
        const QByteArray original("\xCE\xA9 m\xC3\xA9ga");
        const QString opened = test::writeFile(files_, QStringLiteral("grec.txt"), original);
        mainWindow_->openTextFile(opened);
        MessageBox::setNextAnswer(QMessageBox::No);
        ui::setNextChosenFile(opened, 0);
        item("saveTextAsAction")->trigger();
        const QList<ShownMessage> shown = MessageBox::takeShownMessages();
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].text.contains(QStringLiteral("contenait un caractère que le programme ne sait pas")),
                 qPrintable(shown[0].text));
        QCOMPARE(fileBytes(opened), original);

        const QString elsewhere = files_.filePath(QStringLiteral("copie.txt"));
        ui::setNextChosenFile(elsewhere, 0);
        item("saveTextAsAction")->trigger();
        QVERIFY(MessageBox::takeShownMessages().isEmpty());
        QCOMPARE(fileBytes(elsewhere), QByteArray("\x1A m\xC3\xA9ga"));
    }

    void questionBeforeTheTextGoes_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("edited");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QString>("savedAs"); // empty: the save dialog cancelled
        QTest::addColumn<bool>("gone");
        const auto none = QMessageBox::NoButton;
        QTest::newRow("not edited") << "closeAction" << false << none << "" << true;
        QTest::newRow("Non") << "closeAction" << true << QMessageBox::No << "" << true;
        QTest::newRow("Annuler") << "closeAction" << true << QMessageBox::Cancel << "" << false;
        QTest::newRow("Oui, saved") << "closeAction" << true << QMessageBox::Yes << "sauve.txt" << true;
        QTest::newRow("Oui, dialog cancelled") << "closeAction" << true << QMessageBox::Yes << "" << false;
        QTest::newRow("Oui, save fails") << "closeAction" << true << QMessageBox::Yes << "absent/sauve.txt" << false;
        QTest::newRow("Quitter, Annuler") << "quitAction" << true << QMessageBox::Cancel << "" << false;
        QTest::newRow("close box, Non") << "closeBox" << true << QMessageBox::No << "" << true;
    }

    // "Fermer", "Quitter" and the close box ask first about a text edited since it was opened:
    // Oui saves it through "Enregistrer le texte sous...", and nothing goes unless it is saved;
    // Non gives the edits up; Annuler keeps everything as it was. A text whose edit was undone
    // goes without a question.
    void questionBeforeTheTextGoes()
    {
        QFETCH(QString, how);
        QFETCH(bool, edited);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QString, savedAs);
        QFETCH(bool, gone);
        mainWindow_->show();
        mainWindow_->openTextFile(test::writeFile(files_, QStringLiteral("texte.txt"), "le chat"));
        typeAtTheEnd(QStringLiteral(" dort"));
        if (!edited)
            textBox()->undo();
        if (answer != QMessageBox::NoButton)
            MessageBox::setNextAnswer(answer);
        if (answer == QMessageBox::Yes)
            ui::setNextChosenFile(savedAs.isEmpty() ? QString() : files_.filePath(savedAs), 0);
        if (how == QLatin1String("closeBox"))
            mainWindow_->close();
        else
            item(how)->trigger();

        const ShownMessage asked = MessageBox::takeShownMessages().value(0);
        QCOMPARE(asked.text,
                 edited ? QStringLiteral("Le texte « texte.txt » a été modifié.\r\n"
                                         "Enregistrer les modifications avant de le fermer ?")
                        : QString());
        QCOMPARE(asked.buttons,
                 edited ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel : QMessageBox::NoButton);
        QCOMPARE(how == QLatin1String("closeAction") ? caption() == closedCaption : !mainWindow_->isVisible(), gone);
        if (gone && !savedAs.isEmpty())
            QCOMPARE(fileBytes(files_.filePath(savedAs)), QByteArray("le chat dort"));
    }

    // 64000 bytes open without a question (past them, and answered No: openFailures).
    void sizeQuestion()
    {
        const QString path = largeFile(64000);
        mainWindow_->openTextFile(path);
        QVERIFY(MessageBox::takeShownMessages().isEmpty());
        QCOMPARE(textBox()->text().size(), 64000);
        QCOMPARE(caption(), path);
    }

    void openFailures_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QMessageBox::Icon>("icon");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QMessageBox::StandardButtons>("buttons");
        const QString missing = files_.filePath(QStringLiteral("absent.txt"));
        const QString huge = files_.filePath(QStringLiteral("enorme.txt"));
        QFile hugeFile(huge);
        hugeFile.open(QIODevice::WriteOnly);
        hugeFile.resize((qint64{2} << 30) + 1); // sparse: past the largest readable text

        const QString cannotOpen = QStringLiteral("Ouverture impossible");
        const QMessageBox::StandardButtons ok = QMessageBox::Ok;
        QTest::newRow("missing")
            << missing << QMessageBox::Warning << cannotOpen
            << QStringLiteral("Le fichier « %1 » ne peut pas être ouvert :\r\nil est introuvable.").arg(missing) << ok;
        QTest::newRow("read fails") << QStringLiteral("/proc/self/mem") << QMessageBox::Warning << cannotOpen
                                    << QStringLiteral("Le fichier « /proc/self/mem » ne peut pas être ouvert :\r\n"
                                                      "une erreur de lecture est survenue.")
                                    << ok;
        const QString locked = QStringLiteral(QUORVELLE_TEST_DOCUMENTS "/protege.odt");
        QTest::newRow("protected document")
            << locked << QMessageBox::Warning << cannotOpen
            << QStringLiteral("Le fichier « %1 » ne peut pas être ouvert :\r\nce document OpenDocument est protégé "
                              "(mot de passe ou verrou numérique) : enregistrez-le sans protection pour en lire le "
                              "texte.")
                   .arg(locked)
            << ok;
        QTest::newRow("too large") << huge << QMessageBox::Information << QStringLiteral("Fichier trop volumineux")
                                   << tooLargeText << ok;
        // Past 64000 bytes the opening asks first; the tests answer No.
        QTest::newRow("size question, No")
            << largeFile(64001) << QMessageBox::NoIcon << QStringLiteral("La taille du fichier") << sizeQuestionText
            << (QMessageBox::Yes | QMessageBox::No);
    }

    // One clear message, no text, the pointer restored (checked in cleanup), never a hang.
    void openFailures()
    {
        QFETCH(QString, path);
        QFETCH(QMessageBox::Icon, icon);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(QMessageBox::StandardButtons, buttons);
        ui::setNextChosenFile(path);
        item("openAction")->trigger();

        const QList<ShownMessage> shown = MessageBox::takeShownMessages();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].icon, icon);
        QCOMPARE(shown[0].title, title);
        QCOMPARE(shown[0].text, text);
        QCOMPARE(shown[0].buttons, buttons);
        QVERIFY(textBox()->text().isEmpty());
        QVERIFY(!textBox()->isEnabled());
        QVERIFY(item("openAction")->isEnabled());
        QCOMPARE(caption(), startCaption);
    }

    // The counts read the box as the user left it: a typed character outside the code page
    // counts as one special character, and Enter as the text's own line end.
    void countsOfTheEditedText()
    {
        mainWindow_->openTextFile(test::writeFile(files_, QStringLiteral("saisie.txt"), "le chat\r\n"));
        textBox()->moveCursor(QTextCursor::End);
        QTest::sendKeyEvent(QTest::Click, textBox(), Qt::Key_unknown, QStringLiteral("Ő"), Qt::NoModifier);
        QTest::keyClicks(textBox(), QStringLiteral("2"));
        QTest::keyClick(textBox(), Qt::Key_Return);

        item("characterCountAction")->trigger();
        item("wordCountAction")->trigger();
        const QList<ShownMessage> shown = MessageBox::takeShownMessages();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[0].title, QStringLiteral("Nombre de caractères"));
        QCOMPARE(shown[0].text,
                 QStringLiteral("Le texte contient: \r\n\r\n"
                                "          6 Caractère(s) alphabetique\n\r"
                                "          1 Caractère(s) numérique\n\r"
                                "          6 Caractère(s) spécial(aux)\n\r"
                                "          ------------------------------------\r\n"
                                "Total:  13 Caractère(s)\n\r"));
        QCOMPARE(shown[0].icon, QMessageBox::Information);
        QCOMPARE(shown[0].buttons, QMessageBox::Ok);
        QCOMPARE(shown[1].title, QStringLiteral("Nombre de mot(s)"));
        QCOMPARE(shown[1].text, QStringLiteral("Le texte contient 2 mot(s)"));
        QCOMPARE(shown[1].icon, QMessageBox::Information);
    }

    // Without the French dictionary, the lemmas say which package brings it. Before any test that
    // loads the dictionary, which stays loaded.
    void lemmasWithoutTheirDictionary()
    {
        qputenv("QUORVELLE_DICTIONARY_DIR", files_.filePath(QStringLiteral("nowhere")).toLocal8Bit());
        openSample();
        item("lemmasAction")->trigger();
        qunsetenv("QUORVELLE_DICTIONARY_DIR");
        const ShownMessage shown = MessageBox::takeShownMessages().value(0);
        QCOMPARE(shown.title, QStringLiteral("Lemmes et catégories"));
        QVERIFY(shown.text.startsWith(QStringLiteral("Le dictionnaire français est introuvable")));
        QVERIFY(shown.text.contains(QStringLiteral("hunspell-fr-comprehensive")));
    }

    // « Chercher dans le texte » refuses a malformed pattern, saying why and staying open, then
    // shows the concordance of the forms a pattern finds, listed above their occurrences.
    void searchByPattern()
    {
        openSample();
        QString problem;
        test::closeNextModalWindow([&problem](QWidget* dialog) {
            test::child<QLineEdit>(*dialog, "queryBox")->setText(QStringLiteral("cit[oy"));
            test::child<QPushButton>(*dialog, "searchButton")->click();
            QVERIFY(dialog->isVisible());
            problem = test::child<QLabel>(*dialog, "problemLabel")->text();
        });
        item("searchAction")->trigger();
        QCOMPARE(problem, QStringLiteral("« cit[oy » : le crochet « [ » n'est pas fermé."));
        test::closeNextModalWindow([](QWidget* dialog) {
            test::child<QLineEdit>(*dialog, "queryBox")->setText(QStringLiteral("*T"));
            test::child<QPushButton>(*dialog, "searchButton")->click();
        });
        item("searchAction")->trigger();
        const std::unique_ptr<ui::ConcordanceWindow> concordance(mainWindow_->findChild<ui::ConcordanceWindow*>());
        QVERIFY(concordance);
        QCOMPARE(test::labelTexts(*concordance, {"searchOutcomeLabel"}),
                 QStringLiteral("Formes trouvées : chat (1), dort (1)"));
        QCOMPARE(test::labelTexts(*concordance, {"occurrenceCountLabel"}), QStringLiteral("2 occurrences"));
        // The forms around every form the pattern matches, and where they lie.
        QStringList pivots;
        const std::pair<const char*, const char*> windows[] = {{"showCollocatesButton", "pivotAttestationsValue"},
                                                               {"showDispersionButton", "attestationsValue"}};
        for (const auto& opened : windows)
            test::inspectWindowBeside(
                [&concordance, &opened] { test::child<QPushButton>(*concordance, opened.first)->click(); },
                [&pivots, &opened](QWidget* window) {
                    pivots << window->windowTitle() + QLatin1Char(' ') + test::labelTexts(*window, {opened.second});
                });
        QCOMPARE(pivots,
                 QStringList({"Parvane Dorlesca - Cooccurrents de « *T » 2",
                              "Parvane Dorlesca - Répartition de « *T » dans le texte 2"}));
    }

    // « Afficher dans le texte », or Entrée on a row, selects the current occurrence in the text
    // box, a CR LF counted as the one break the box shows; not once the text is edited, until the
    // edit is undone, nor from a concordance of a text the main window does not show.
    void concordanceShowsAnOccurrenceInTheText()
    {
        mainWindow_->openTextFile(
            test::writeFile(files_, QStringLiteral("chats.txt"), "Le chat dort.\r\nUn chat noir."));
        ui::ConcordanceWindow::open(mainWindow_.get(), mainWindow_->analysis().result(), "chat");
        const std::unique_ptr<ui::ConcordanceWindow> concordance(mainWindow_->findChild<ui::ConcordanceWindow*>());
        QVERIFY(concordance);
        auto* grid = test::child<QTableView>(*concordance, "concordanceGrid");
        auto* showInText = test::child<QPushButton>(*concordance, "showInTextButton");
        auto* textBox = test::child<ui::LoadedTextBox>(*mainWindow_, "textBox")->editor();
        grid->setCurrentIndex(grid->model()->index(1, 0));
        showInText->click();
        QCOMPARE(textBox->textCursor().selectedText(), QStringLiteral("chat"));
        QCOMPARE(textBox->textCursor().selectionStart(), 17);
        grid->setCurrentIndex(grid->model()->index(0, 0));
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(textBox->textCursor().selectionStart(), 3);

        QTest::keyClicks(textBox, QStringLiteral("x"));
        QVERIFY(!showInText->isEnabled());
        textBox->undo();
        QVERIFY(showInText->isEnabled());
        const SharedText other = test::analysed("Un chat.");
        const ui::ConcordanceWindow ofOther(
            other, quorvelle::concordance(other->text(), "chat", ui::ConcordanceWindow::defaultContext),
            mainWindow_.get());
        QVERIFY(!test::child<QPushButton>(ofOther, "showInTextButton")->isEnabled());
    }

    void statisticsItems_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        const char* const items[][2] = {
            {"vocabulary", "Liste du vocabulaire"},
            {"lengths", "Statistiques formes / caractères (Rangs)"},
            {"letters", "Statistiques formes / lettres de l'alphabet"},
            {"edges", " Lettres de l'alphabet- début/fin de mot"},
            {"doubles", "Statistiques Lettres redoublées"},
            {"pairs", "Statistiques Récurrences phoniques"},
            {"frequencies", "Fréquences d'attestation - Calcul des écarts"},
            {"cooccurrences", "Statistiques  -  Les cooccurrences"},
            {"segments", "Segments répétés"},
            {"sentences", "Statistiques  -  Les longueurs de phrases"},
            {"enrichment", "L'enrichissement du vocabulaire"},
            {"compare", "La comparaison de vocabulaires"},
            {"richness", "Richesse du vocabulaire"},
            {"lemmas", "Lemmes et catégories"},
        };
        for (const auto& [name, title] : items)
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(title);
    }

    // Each item of "&Statistiques" opens its statistic's window, headed by its title, over the
    // main window: modal, but for segments, richness and lemmas, which open beside it (the text it
    // reads: windowsShowTheTextAsItStands, windowsBesideOutliveTheirText).
    void statisticsItems()
    {
        QFETCH(QString, name);
        QFETCH(QString, title);
        openSample();
        QString shownTitle;
        QWidget* parent = nullptr;
        const auto read = [&](QWidget* window) {
            shownTitle = window->findChild<QLabel*>(QStringLiteral("title"))->text();
            parent = window->parentWidget();
        };
        const auto open = [&] { item(name + QStringLiteral("Action"))->trigger(); };
        if (name == QLatin1String("segments") || name == QLatin1String("richness") || name == QLatin1String("lemmas")) {
            test::inspectWindowBeside(open, read);
        } else {
            test::closeNextModalWindow(read);
            open();
        }
        QCOMPARE(shownTitle, title);
        QCOMPARE(parent, mainWindow_.get());
    }

    // A window beside the main window keeps the text it shows: after "Fermer" it still shows
    // a segment in context and names its files after the text it was opened on; it closes
    // with the main window, and so do the windows opened from it.
    void windowsBesideOutliveTheirText()
    {
        mainWindow_->show();
        mainWindow_->openTextFile(test::writeFile(files_, QStringLiteral("chats.txt"), "le chat dort. le chat dort."));
        const QPointer<QWidget> segments = test::windowOpenedBeside([this] { item("segmentsAction")->trigger(); });
        QVERIFY(segments);
        item("closeAction")->trigger();
        QVERIFY(segments->isVisible());
        QCOMPARE(ui::proposedFilePath(segments, QStringLiteral("segments.csv")),
                 files_.filePath(QStringLiteral("chats-segments.csv")));
        auto* grid = test::child<QAbstractItemView>(*segments, "segmentGrid");
        grid->setCurrentIndex(grid->model()->index(0, 0));
        const QPointer<QWidget> concordance =
            test::windowOpenedBeside([grid] { QTest::keyClick(grid, Qt::Key_Return); });
        QCOMPARE(test::labelTexts(*concordance, {"occurrenceCountLabel"}), QStringLiteral("2 occurrences"));
        mainWindow_->close();
        QVERIFY(!segments->isVisible() && !concordance->isVisible());
        mainWindow_.reset();
        QVERIFY(!segments && !concordance);
    }

    // Whatever analyses are under way, a window shows the text as it stands when it opens: a
    // text opened after another (whose analysis stops unfinished), edits made after the typing
    // pause had the text analysed.
    void windowsShowTheTextAsItStands()
    {
        MessageBox::setNextAnswer(QMessageBox::Yes);
        mainWindow_->openTextFile(
            test::writeFile(files_, QStringLiteral("long.txt"), QByteArray("un deux ").repeated(1'000'000)));
        QFuture<SharedText> abandoned = mainWindow_->analysis();
        item("closeAction")->trigger();
        mainWindow_->openTextFile(test::writeFile(files_, QStringLiteral("court.txt"), "le chat"));
        abandoned.waitForFinished();
        QVERIFY(abandoned.isCanceled());
        QCOMPARE(abandoned.resultCount(), 0);
        QCOMPARE(vocabularyTokens(), QStringLiteral("2"));
        textBox()->moveCursor(QTextCursor::End);
        QTest::keyClicks(textBox(), QStringLiteral(" dort"));
        QTest::qWait(ui::TextAnalysis::typingPauseMs * 2);
        QTest::keyClicks(textBox(), QStringLiteral(" bien"));
        QCOMPARE(vocabularyTokens(), QStringLiteral("4"));
        MessageBox::takeShownMessages();
    }

    // The letter rule chosen in "&Outils" cuts the open text into forms anew, for every
    // statistic, and is kept for the next runs.
    void letterRuleChoice()
    {
        mainWindow_->openTextFile(
            test::writeFile(files_, QStringLiteral("coeur.txt"), test::cp1252("Mon cœur, ma sœur.")));
        QCOMPARE(vocabularyTokens(), QStringLiteral("6"));
        item("extendedLettersAction")->trigger();
        QCOMPARE(vocabularyTokens(), QStringLiteral("4"));
        const QString note = QStringLiteral("œ, Œ, Ÿ, Š, Ž comptés comme des lettres");
        QString said;
        test::closeNextModalWindow(
            [&](QWidget* window) { said = test::child<QLabel>(*window, "letterRuleLabel")->text(); });
        item("lengthsAction")->trigger();
        QCOMPARE(said, note);
        item("wordCountAction")->trigger();
        QCOMPARE(MessageBox::takeShownMessages().value(0).title, QStringLiteral("Nombre de mot(s) (%1)").arg(note));

        mainWindow_ = std::make_unique<ui::MainWindow>();
        QVERIFY(item("extendedLettersAction")->isChecked());
        item("extendedLettersAction")->trigger();
        mainWindow_ = std::make_unique<ui::MainWindow>();
        QVERIFY(!item("extendedLettersAction")->isChecked());
    }

    // Work waiting for an analysis that is then abandoned (its text replaced) ends without a
    // result, its computation never run.
    void workOnAnAbandonedAnalysis()
    {
        QPromise<SharedText> analysis;
        analysis.start();
        bool computed = false;
        QFuture<int> work = ui::computeWhenAnalysed(
            [&computed](const SharedText&) {
                computed = true;
                return 1;
            },
            analysis.future());
        analysis.future().cancel();
        analysis.finish();
        QTRY_VERIFY(work.isFinished());
        QCOMPARE(work.resultCount(), 0);
        QVERIFY(!computed);
    }

    // "&Mode d'emploi" shows the help window at its contents, the same window each time;
    // quitting closes it with the main window.
    void helpAndQuit()
    {
        mainWindow_->show();
        item("manualAction")->trigger();
        auto* help = mainWindow_->findChild<ui::HelpWindow*>();
        QVERIFY(help && help->isVisible());
        auto* browser = help->findChild<QTextBrowser*>(QStringLiteral("helpBrowser"));
        browser->setSource(QUrl(QStringLiteral("qrc:/help/vocabulaire.html")));
        item("manualAction")->trigger();
        QCOMPARE(mainWindow_->findChildren<ui::HelpWindow*>().size(), 1);
        QCOMPARE(browser->source(), QUrl(QStringLiteral("qrc:/help/index.html")));

        item("quitAction")->trigger();
        QVERIFY(!mainWindow_->isVisible());
        QVERIFY(!help->isVisible());
    }

    // On a case-sensitive file system the filter still offers texts and documents in any case.
    void openDialogMatchesExtensionsInAnyCase()
    {
        QTemporaryDir directory;
        for (const char* name : {"a.txt", "b.PDF", "c.Docx", "d.doc", "e.txt.bak"})
            test::writeFile(directory, QString::fromLatin1(name), "x");
        QFileDialog dialog;
        ui::setUpTextFileDialog(dialog);
        QCOMPARE(dialog.nameFilters(),
                 QStringList({QStringLiteral("Textes et documents (*.txt *.odt *.docx *.epub *.html *.htm *.pdf)"),
                              QStringLiteral("Tous les fichiers (*)")}));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Ouvrir"));
        dialog.setDirectory(directory.path());
        dialog.show();

        auto* view = dialog.findChild<QListView*>(QStringLiteral("listView"));
        QVERIFY(view);
        QTRY_COMPARE(view->model()->rowCount(view->rootIndex()), 3);
        QStringList offered;
        for (int row = 0; row < 3; ++row)
            offered << view->model()->index(row, 0, view->rootIndex()).data().toString();
        offered.sort();
        QCOMPARE(offered, QStringList({"a.txt", "b.PDF", "c.Docx"}));
    }

private:
    QAction* item(const QString& name) const
    {
        auto* found = mainWindow_->findChild<QAction*>(name);
        if (!found)
            qFatal("no menu item %s", qPrintable(name));
        return found;
    }

    QString caption() const { return mainWindow_->findChild<QLabel*>(QStringLiteral("filePathLabel"))->text(); }

    ui::PlainTextBox* textBox() const { return test::child<ui::LoadedTextBox>(*mainWindow_, "textBox")->editor(); }
    void typeAtTheEnd(const QString& text) const
    {
        textBox()->moveCursor(QTextCursor::End);
        textBox()->insertPlainText(text);
    }

    static QByteArray fileBytes(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The number of forms the vocabulary window shows, opened from the menu.
    QString vocabularyTokens()
    {
        QString tokens;
        test::closeNextModalWindow(
            [&](QWidget* window) { tokens = test::child<QLabel>(*window, "totalFormsValue")->text(); });
        item("vocabularyAction")->trigger();
        return tokens;
    }

    // The text every statistic reads, as the main window analyses it.
    QByteArray analysedText() const { return QByteArray::fromStdString(mainWindow_->analysis().result()->text()); }

    void openSample()
    {
        mainWindow_->openTextFile(test::writeFile(files_, QStringLiteral("exemple.txt"), "Le chat dort."));
    }

    QString largeFile(int size)
    {
        return test::writeFile(files_, QStringLiteral("taille%1.txt").arg(size), QByteArray(size, 'a'));
    }

    QTemporaryDir files_;
    std::unique_ptr<ui::MainWindow> mainWindow_;
};

QTEST_MAIN(tst_MainWindow)
#include "tst_MainWindow.moc"
