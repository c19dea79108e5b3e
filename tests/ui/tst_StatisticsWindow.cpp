// The window commands every statistics window shares, on a window of the tests' own.
#include "tests/ui/ui_test_support.h"
#include "ui/PlainTextBox.h"
#include "ui/hourglass.h"
#include "ui/message_box.h"
#include "ui/shell/AboutBox.h"
#include "ui/stats/StatisticsWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>
#include <new>
#include <utility>

using namespace quorvelle;

namespace {

/// A statistics window reduced to its result text box and a second control that can hold
/// the focus.
class ResultWindow final : public ui::StatisticsWindow {
public:
    explicit ResultWindow(QWidget* parent = nullptr)
        : StatisticsWindow(parent)
        , Text1(new ui::PlainTextBox(this))
        , otherControl(new QLineEdit(QStringLiteral("autre"), this))
    {
        Text1->setObjectName("Text1");
        windowLayout()->addWidget(Text1);
        windowLayout()->addWidget(otherControl);
        buildMenuBar({.resultBox = Text1});
    }

    ui::PlainTextBox* Text1;
    QLineEdit* otherControl;
};

/// A window whose computation runs out of memory while it loads, under the hourglass.
class ExhaustingWindow final : public ui::StatisticsWindow {
public:
    explicit ExhaustingWindow(QWidget* parent)
        : StatisticsWindow(parent)
    {
        const ui::HourglassCursor hourglass;
        throw std::bad_alloc();
    }
};

QString clipboardText()
{
    return QGuiApplication::clipboard()->text();
}

void select(ui::PlainTextBox* box, int start, int length)
{
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
}

// A list, grid, combo box or result box of the window (not the inner list of a combo box).
bool isNamedControl(const QWidget* control)
{
    return !control->objectName().isEmpty()
        && (qobject_cast<const QAbstractItemView*>(control) || qobject_cast<const QComboBox*>(control)
            || qobject_cast<const ui::PlainTextBox*>(control));
}

} // namespace

class tst_StatisticsWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::setUpWindowTests(); }

    void init()
    {
        window_ = std::make_unique<ResultWindow>();
        // The commands act on the result box even while another control has the focus.
        window_->show();
        window_->otherControl->setFocus();
    }

    void cleanup() { window_.reset(); }

    void windows_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("menus");
        const QString quitter = QStringLiteral("fichier=&Fichier[quitter=&Quitter exporter=&Exporter...] ");
        const QString edition = QStringLiteral("edition=&Edition[copier=&Copier coller=&Coller "
                                               "selectall=&Sélectionner tout supprimer=&Supprimer] ");
        const QString aide = QStringLiteral("aide=&Aide[about=&A propos de]");
        QTest::newRow("VocabularyWindow") << "VocabularyWindow" << "Parvane Dorlesca - Liste du vocabulaire"
                                    << "fichier=&Fichier[imprimer=&Imprimer fermer=&Fermer exporter=&Exporter...] " + aide;
        QTest::newRow("LengthsWindow") << "LengthsWindow"
                                  << "Parvane Dorlesca - Composition des formes - statistiques formes/caractères (Rangs)"
                                  << quitter + QString(edition).replace(QStringLiteral("selectall"), QStringLiteral("selectionall"))
                                         + "graphique=&Graphique[affichage=&Affichage] " + aide;
        QTest::newRow("LettersWindow") << "LettersWindow"
                                  << "Parvane Dorlesca - Composition des formes - statistiques formes / lettres de l'alphabet"
                                  << quitter + edition + aide;
        QTest::newRow("StartEndLettersWindow") << "StartEndLettersWindow"
                                  << "Parvane Dorlesca - Composition des formes - Lettres de l'alphabet - début/fin de mot"
                                  << quitter + edition + "graphique=&Graphique[debut=&Début de mot Finmot=&Fin de mot] " + aide;
        QTest::newRow("DoubledLettersWindow") << "DoubledLettersWindow" << "Parvane Dorlesca - Composition des formes - Lettres redoublées"
                                  << quitter + edition + aide;
        QTest::newRow("LetterPairsWindow") << "LetterPairsWindow"
                                  << "Parvane Dorlesca - Composition des formes - Récurrences phoniques (associations de caractères 2 à 2)"
                                  << quitter + edition + aide;
        QTest::newRow("FrequenciesWindow") << "FrequenciesWindow"
                                   << "Parvane Dorlesca - Les fréquences d'attestation des formes - Calcul des écarts"
                                   << quitter + edition
                                          + "graphique=&Graphique[ecartpositif=&Ecart positif ecartnegatif=&Ecart négatif] " + aide;
        QTest::newRow("CooccurrencesWindow") << "CooccurrencesWindow" << "Parvane Dorlesca - Les cooccurrences" << quitter + edition + aide;
        QTest::newRow("SentenceLengthsWindow")
            << "SentenceLengthsWindow" << "Parvane Dorlesca -  Les longueurs de phrases"
            << quitter + "edition=&Edition[copier=&Copier coller=&Coller selectall=Sélectionner tout supprimer=Supprimer] " + aide;
        QTest::newRow("EnrichmentWindow") << "EnrichmentWindow"
                                             << "Parvane Dorlesca -  L'enrichissement du vocabulaire"
                                             << quitter + edition + "graphique=&Graphique[affichage=&Affichage] " + aide;
        QTest::newRow("SecondTextWindow")
            << "SecondTextWindow" << "Parvane Dorlesca - La comparaison de vocabulaires"
            << "fichier=&Fichier[ouvrir=&Ouvrir le texte n°2 !fermer=&Fermer le texte n°2 quitter=&Quitter] "
               "Statistiques=&Statistiques[!affichage=&Affichage] " + aide;
        QTest::newRow("ComparisonResultsWindow") << "ComparisonResultsWindow" << "Parvane Dorlesca - La comparaison de vocabulaires"
                                          << quitter + edition + aide;
        QTest::newRow("RichnessWindow") << "RichnessWindow" << "Parvane Dorlesca - Richesse du vocabulaire" << quitter + aide;
    }

    // Each window's caption and menu bar, and every list, grid, combo box and result box
    // named for a screen reader by its heading.
    void windows()
    {
        QFETCH(QString, window);
        QFETCH(QString, caption);
        QFETCH(QString, menus);
        const std::unique_ptr<QWidget> shown = test::openStatisticsWindow(window, "Le chat dort.");
        QCOMPARE(shown->windowTitle(), caption);
        QCOMPARE(test::menuTree(shown->findChild<QMenuBar*>()->actions()), menus);
        for (const QLabel* label : shown->findChildren<QLabel*>())
            if (label->buddy() && isNamedControl(label->buddy()))
                QCOMPARE(label->buddy()->accessibleName(), label->text().remove(QLatin1Char('&')).trimmed());
        for (const QWidget* control : shown->findChildren<QWidget*>())
            if (isNamedControl(control))
                QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
    }

    void editionCommands_data()
    {
        const QString listing = QStringLiteral("chat (2)\r\nle (1)\r\n");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("clipboard"); // before the commands; empty: no text at all
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("clipboardAfter");
        QTest::newRow("select all, copy: CR LF kept") << listing << QStringList({"selectall", "copier"}) << 0 << 0
                                                      << "avant" << listing << listing;
        QTest::newRow("copy with nothing selected") << listing << QStringList({"copier"}) << 3 << 0 << "avant"
                                                    << listing << "avant";
        QTest::newRow("select all in an empty box, copy") << QString() << QStringList({"selectall", "copier"}) << 0 << 0
                                                          << "avant" << "" << "avant";
        QTest::newRow("paste over the selection") << listing << QStringList({"coller"}) << 0 << 4 << "chien"
                                                  << "chien (2)\r\nle (1)\r\n" << "chien";
        QTest::newRow("paste at the caret, line ends") << listing << QStringList({"coller"}) << 0 << 0 << "a\r\nb"
                                                       << "a\r\nbchat (2)\r\nle (1)\r\n" << "a\r\nb";
        QTest::newRow("paste an empty clipboard") << listing << QStringList({"coller"}) << 4 << 4 << ""
                                                  << "chat\r\nle (1)\r\n" << "";
        QTest::newRow("delete the selection") << listing << QStringList({"supprimer"}) << 4 << 4 << "avant"
                                              << "chat\r\nle (1)\r\n" << "avant";
        QTest::newRow("select all, delete") << listing << QStringList({"selectall", "supprimer"}) << 0 << 0 << "avant"
                                            << "" << "avant";
    }

    // The Edition commands act on the result box alone, while another control has the focus.
    void editionCommands()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, commands);
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(QString, clipboard);
        QFETCH(QString, result);
        QFETCH(QString, clipboardAfter);
        window_->Text1->setText(text);
        if (clipboard.isEmpty())
            QGuiApplication::clipboard()->clear();
        else
            QGuiApplication::clipboard()->setText(clipboard);
        select(window_->Text1, start, length);
        for (const QString& command : commands)
            trigger(qPrintable(command));
        QCOMPARE(window_->Text1->text(), result);
        QCOMPARE(clipboardText(), clipboardAfter);
        QCOMPARE(window_->otherControl->text(), QStringLiteral("autre"));
    }

    void quitterClosesTheModalWindow()
    {
        QTimer::singleShot(0, window_.get(), [this] { trigger("quitter"); });
        window_->exec();
        QVERIFY(!window_->isVisible());
    }

    // No crash, no window, one message, and the pointer back to default.
    void openModalReportsAComputationOutOfMemory()
    {
        ui::MessageBox::takeShownMessages();
        ui::StatisticsWindow::openModal<ExhaustingWindow>(window_.get());
        const QList<ui::ShownMessage> shown = ui::MessageBox::takeShownMessages();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].title, QStringLiteral("Mémoire insuffisante"));
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    void aboutOpensTheAboutBox()
    {
        bool aboutShown = false;
        test::closeNextModalWindow([&](QWidget* window) { aboutShown = qobject_cast<ui::AboutBox*>(window); });
        trigger("about");
        QVERIFY(aboutShown);
    }

private:
    void trigger(const char* name)
    {
        auto* item = window_->findChild<QAction*>(QString::fromLatin1(name));
        QVERIFY2(item, name);
        item->trigger();
    }

    std::unique_ptr<ResultWindow> window_;
};

QTEST_MAIN(tst_StatisticsWindow)
#include "tst_StatisticsWindow.moc"
