// The comparison of two texts: the second-text window's states and loading, the hand-over
// to the results through Dialog02, and the results' figures, colours and listings.
#include "tests/ui/ui_test_support.h"
#include "ui/PlainTextBox.h"
#include "ui/message_box.h"
#include "ui/file_dialogs.h"
#include "ui/shell/Dialog02.h"
#include "ui/stats/SecondTextWindow.h"
#include "ui/stats/ComparisonResultsWindow.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <map>

using namespace quorvelle;
using test::child;
using ui::MessageBox;

namespace {

const QString firstPath = QStringLiteral("/textes/premier.txt");
const QString startCaption = QStringLiteral("Chargez un fichier texte pour le texte n°2 avec la commande Ouvrir");

// "ouvrir fermer- affichage-": the three items, a disabled one followed by "-"; then whether
// Label4 shows, and Text2.
QString secondTextState(const QWidget& window)
{
    QStringList state;
    for (const char* name : {"ouvrir", "fermer", "affichage"})
        state << QString::fromLatin1(name) + (child<QAction>(window, name)->isEnabled() ? "" : "-");
    state << (child<QLabel>(window, "Label4")->isHidden() ? QStringLiteral("hidden") : QStringLiteral("shown"));
    state << child<ui::PlainTextBox>(window, "Text2")->text().left(5);
    return state.join(QLatin1Char(' '));
}

const QString withoutSecondText = QStringLiteral("ouvrir fermer- affichage- hidden ");

} // namespace

class tst_comparisonWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        test::setUpWindowTests();
        QVERIFY(files_.isValid());
    }

    void init() { MessageBox::takeShownMessages(); }

    // The second text's states: at opening, after a cancelled dialog and a No to the size
    // question, once loaded (as the main window loads its text), and after "Fermer".
    void secondText()
    {
        ui::SecondTextWindow window(QStringLiteral("le chat\r\n"), firstPath, nullptr);
        QCOMPARE(child<ui::PlainTextBox>(window, "Text1")->text(), QStringLiteral("le chat\r\n"));
        const auto unchanged = [&] {
            QCOMPARE(secondTextState(window), withoutSecondText);
            QVERIFY(!child<ui::PlainTextBox>(window, "Text2")->isEnabled());
            QCOMPARE(child<QLabel>(window, "lblFichier")->text(), startCaption);
            QVERIFY(child<QLabel>(window, "Label3")->text().isEmpty());
        };
        unchanged();
        ui::setNextChosenFile(QString());
        child<QAction>(window, "ouvrir")->trigger();
        unchanged();

        const QString path = test::writeFile(files_, QStringLiteral("second.txt"), QByteArray(64001, 'a'));
        for (const QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
            MessageBox::setNextAnswer(answer);
            ui::setNextChosenFile(path);
            child<QAction>(window, "ouvrir")->trigger();
            QCOMPARE(MessageBox::takeShownMessages().size(), 1);
            if (answer == QMessageBox::No)
                unchanged();
        }
        QCOMPARE(secondTextState(window), QStringLiteral("ouvrir- fermer affichage shown aaaaa"));
        QVERIFY(child<ui::PlainTextBox>(window, "Text2")->isEnabled());
        QCOMPARE(child<QLabel>(window, "lblFichier")->text(), firstPath);
        QCOMPARE(child<QLabel>(window, "Label3")->text(), path);

        child<QAction>(window, "fermer")->trigger();
        QCOMPARE(secondTextState(window), withoutSecondText);
        QCOMPARE(child<QLabel>(window, "lblFichier")->text(), QStringLiteral("Chargez un fichier texte avec la commande Ouvrir."));
        QVERIFY(child<QLabel>(window, "Label3")->text().isEmpty());
    }

    // "Affichage" compares the two boxes as they stand, through Dialog02, over this window.
    void affichageComparesTheBoxes()
    {
        ui::SecondTextWindow window(QStringLiteral("le chat"), firstPath, nullptr);
        window.openSecondText(test::writeFile(files_, QStringLiteral("loup.txt"), "le loup"));
        child<ui::PlainTextBox>(window, "Text1")->setText(QStringLiteral("le chat et le chien"));
        QString figures;
        QWidget* parent = nullptr;
        bool waitedBehind = false;
        test::closeNextModalWindow([&](QWidget* results) {
            figures = child<QLabel>(*results, "Label7")->text() + QLatin1Char('|') + child<QLabel>(*results, "Label15")->text();
            parent = results->parentWidget();
            waitedBehind = window.findChild<ui::Dialog02*>() != nullptr;
        });
        child<QAction>(window, "affichage")->trigger();
        QCOMPARE(figures, QStringLiteral("5|1"));
        QCOMPARE(parent, &window);
        QVERIFY(waitedBehind);
    }

    void figures_data()
    {
        QTest::addColumn<QByteArray>("text1");
        QTest::addColumn<QByteArray>("text2");
        QTest::addColumn<QString>("values");
        QTest::newRow("le chat et le chien / le chien, le loup")
            << QByteArray("le chat et le chien.") << QByteArray("le chien, le loup.")
            << "5 4 4 3 2 | 50 66,67 | 3 60 3 75 | 2 50 2 40 | 1 33,33 1 25";
        QTest::newRow("an empty second text") << QByteArray("le chat") << QByteArray() << "2 0 2 0 0 | 0  | 0 0 0  | 2 100 2 100 | 0  0 ";
    }

    // The value labels in their order; an undefined share shows nothing.
    void figures()
    {
        QFETCH(QByteArray, text1);
        QFETCH(QByteArray, text2);
        QFETCH(QString, values);
        const std::string cp1252 = test::cp1252(text1.constData()).toStdString();
        ui::ComparisonResultsWindow window(cp1252, text2.toStdString(), nullptr);
        QStringList shown;
        for (const char* group : {"Label7 Label8 Label9 Label10 Label15", "Label18 Label19",
                                  "Label17 Label22 Label25 Label27", "Label32 Label40 Label46 Label44",
                                  "Label34 Label39 Label50 Label48"}) {
            QStringList line;
            for (const QString& name : QString::fromLatin1(group).split(QLatin1Char(' ')))
                line << window.findChild<QLabel*>(name)->text();
            shown << line.join(QLatin1Char(' '));
        }
        QCOMPARE(shown.join(QStringLiteral(" | ")), values);
    }

    // A form of the listings in context, in the text it belongs to: a common form in the first.
    void formsInContext()
    {
        const std::string first = "la mer, la mer";
        const std::string second = "la terre";
        ui::ComparisonResultsWindow window(first, second, nullptr);
        window.show();
        QTest::mouseClick(test::child<QPushButton>(window, "Command1"), Qt::LeftButton);
        QCOMPARE(test::resultBox(window), QStringLiteral("la (2)  (1)\r\n"));
        QCOMPARE(test::concordanceOfFirstLine(window), QStringLiteral("Parvane Dorlesca - Concordance de « la »|2 occurrence(s)"));
    }

    void listings_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("forms");
        QTest::newRow("common") << "Command1" << "Formes communes" << "chien (1)  (1)\r\nle (2)  (2)\r\n";
        QTest::newRow("text 1 only") << "Command3" << "Formes propres au texte n°1" << "chat (1)\r\net (1)\r\n";
        QTest::newRow("text 2 only") << "Command2" << "Formes propres au texte n°2" << "loup (1)\r\n";
    }

    void listings()
    {
        QFETCH(QString, button);
        QFETCH(QString, caption);
        QFETCH(QString, forms);
        ui::ComparisonResultsWindow window("le chat et le chien.", "le chien, le loup.", nullptr);
        QCOMPARE(child<QGroupBox>(window, "Frame3")->title(), QStringLiteral("Forme(s)"));
        QTest::mouseClick(window.findChild<QPushButton*>(button), Qt::LeftButton);
        QCOMPARE(child<QGroupBox>(window, "Frame3")->title(), caption);
        QCOMPARE(child<ui::PlainTextBox>(window, "Text1")->text(), forms);
    }

    void colours()
    {
        ui::ComparisonResultsWindow window("le chat", "le chien", nullptr);
        const std::map<const char*, QColor> colours = {
            {"Label7", Qt::darkRed}, {"Label4", Qt::blue}, {"Label12", Qt::darkMagenta}, {"Label29", QColor(0, 0, 0x80)}};
        for (const auto& [name, colour] : colours)
            QCOMPARE(child<QLabel>(window, name)->palette().color(QPalette::WindowText), colour);
    }

private:
    QTemporaryDir files_;
};

QTEST_MAIN(tst_comparisonWindows)
#include "tst_comparisonWindows.moc"
