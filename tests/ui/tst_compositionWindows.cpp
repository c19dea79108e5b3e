// The five form-composition windows on their worked examples: rows and the selection on
// opening, the sort buttons, keys picked, rows clicked, the lists that follow or drive, the
// "Affichage" buttons, and the texts that leave them empty.
#include "tests/ui/ui_test_support.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace quorvelle;
using test::child;
using test::resultBox;

namespace {

// The names of the visible widgets among names, joined by blanks.
QString visible(const QWidget& window, const QStringList& names)
{
    QStringList shown;
    for (const QString& name : names)
        if (!child<QWidget>(window, qPrintable(name))->isHidden())
            shown << name;
    return shown.join(QLatin1Char(' '));
}

QStringList keyBoxEntries(const QWidget& window)
{
    QStringList entries;
    for (int index = 0; index < child<QComboBox>(window, "keyBox")->count(); ++index)
        entries << child<QComboBox>(window, "keyBox")->itemText(index);
    return entries;
}

void pick(const QWidget& window, const char* comboBoxName, const QString& entry)
{
    test::pickEntry(child<QComboBox>(window, comboBoxName), entry);
}

const QStringList lengthLists = {"formCountList", "lengthList", "percentageList"};
const QStringList sortButtons = {"sortByFormCountAscending", "sortByFormCountDescending", "sortByLengthAscending",
                                 "sortByLengthDescending",   "sortByPercentageAscending", "sortByPercentageDescending"};
const QString ascendingSortButtons =
    QStringLiteral("sortByFormCountAscending sortByLengthAscending sortByPercentageAscending");
const QStringList keyLists = {"occurrencesList", "formCountList"};
const QStringList edgeLists = {"letterList", "startCountList", "endCountList"};
const QStringList showFormsButtons = {"showStartFormsButton", "showEndFormsButton"};

} // namespace

class tst_compositionWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::setUpWindowTests(); }

    void lengths_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("forms");
        QTest::newRow("Le chat dort.") << QByteArray("Le chat dort.") << QStringList({"2|4|66,67", "1|2|33,33"})
                                       << "chat  (1)\r\ndort  (1)\r\n";
        QTest::newRow("12,5 %") << QByteArray("a bb bb bb bb bb bb bb") << QStringList({"7|2|87,5", "1|1|12,5"})
                                << "bb  (7)\r\n";
        QTest::newRow("a form of 600 letters")
            << QByteArray(600, 'x') << QStringList({"1|600|100"}) << QString(600, u'x') + QStringLiteral("  (1)\r\n");
        QTest::newRow("no form") << QByteArray("12 ; 3 !") << QStringList() << "";
    }

    // LengthsWindow: rows in decreasing length, row 0 selected in the three lists and its forms
    // listed, the three plain sort buttons showing.
    void lengths()
    {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, rows);
        QFETCH(QString, forms);
        const auto window = test::openStatisticWindow("lengths", text);
        QCOMPARE(test::listRows(*window, lengthLists), rows);
        QCOMPARE(test::selectedRows(*window, lengthLists), QList<int>(3, rows.isEmpty() ? -1 : 0));
        QCOMPARE(resultBox(*window), forms);
        QCOMPARE(visible(*window, sortButtons), ascendingSortButtons);
    }

    void lengthSorts_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("buttons");
        QTest::addColumn<QString>("forms");
        // Ties keep the decreasing-length order; every sort starts again from it.
        QTest::newRow("forms ascending") << QStringList({"sortByFormCountAscending"})
                                         << QStringList({"1|3|20", "1|1|20", "3|2|60"})
                                         << "sortByFormCountDescending sortByLengthAscending sortByPercentageAscending"
                                         << "eee  (1)\r\n";
        QTest::newRow("forms then descending") << QStringList({"sortByFormCountAscending", "sortByFormCountDescending"})
                                               << QStringList({"3|2|60", "1|3|20", "1|1|20"}) << ascendingSortButtons
                                               << "aa  (1)\r\nbb  (1)\r\ndd  (1)\r\n";
        QTest::newRow("percentage ascending then length")
            << QStringList({"sortByPercentageAscending", "sortByLengthAscending"})
            << QStringList({"1|1|20", "3|2|60", "1|3|20"})
            << "sortByFormCountAscending sortByLengthDescending sortByPercentageDescending"
            << "c  (1)\r\n";
    }

    // LengthsWindow's sort buttons: the first click on a pair sorts ascending, the next one
    // descending; the forms of the new first row are listed.
    void lengthSorts()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, rows);
        QFETCH(QString, buttons);
        QFETCH(QString, forms);
        const auto window = test::openStatisticWindow("lengths", "aa bb c dd eee");
        window->show();
        for (const QString& name : clicks)
            QTest::mouseClick(child<QPushButton>(*window, qPrintable(name)), Qt::LeftButton);
        QCOMPARE(test::listRows(*window, lengthLists), rows);
        QCOMPARE(test::selectedRows(*window, lengthLists), QList<int>(3, 0));
        QCOMPARE(visible(*window, sortButtons), buttons);
        QCOMPARE(resultBox(*window), forms);
    }

    void keys_data()
    {
        QTest::addColumn<QString>("statistic");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("firstRowForms");
        QTest::addColumn<QString>("lastRowForms");
        QTest::newRow("letters") << "letters" << test::cp1252("Elle aime le thé.")
                                 << QStringList({"a", "e", "é", "h", "i", "l", "m", "t"}) << "e"
                                 << QStringList({"1|2", "2|1"}) << "aime (1)\r\nle (1)\r\n"
                                 << "elle (1)\r\n";
        QTest::newRow("doubled letters") << "doubles" << QByteArray("Elle appelle Bella. Lll")
                                         << QStringList({"ll", "pp"}) << "ll" << QStringList({"1|3", "2|1"})
                                         << "appelle (1)\r\nbella (1)\r\nelle (1)\r\n"
                                         << "lll (1)\r\n";
        QTest::newRow("pairs") << "pairs" << QByteArray("Un chat, des chats.")
                               << QStringList({"at", "ch", "de", "es", "ha", "ts", "un"}) << "ch"
                               << QStringList({"1|2"}) << "chat (1)\r\nchats (1)\r\n"
                               << "chat (1)\r\nchats (1)\r\n";
        QTest::newRow("letters, no form")
            << "letters" << QByteArray("12 !") << QStringList() << "" << QStringList() << ""
            << "";
        QTest::newRow("doubled letters, none")
            << "doubles" << QByteArray("le chat") << QStringList() << "" << QStringList() << ""
            << "";
        QTest::newRow("pairs, one-letter forms")
            << "pairs" << QByteArray("a b d'e") << QStringList() << "" << QStringList() << ""
            << "";
    }

    // LettersWindow, DoubledLettersWindow, LetterPairsWindow: on opening the combo box shows its first key, unselected,
    // and the lists are empty; a pick fills the lists and lists the first row's forms; a click
    // in occurrencesList lists its row's forms, a click in formCountList goes back to
    // occurrencesList's row.
    void keys()
    {
        QFETCH(QString, statistic);
        QFETCH(QByteArray, text);
        QFETCH(QStringList, keys);
        QFETCH(QString, key);
        QFETCH(QStringList, rows);
        QFETCH(QString, firstRowForms);
        QFETCH(QString, lastRowForms);
        const auto shown = test::openStatisticWindow(statistic.toStdString(), text);
        shown->show();
        QCOMPARE(keyBoxEntries(*shown), keys);
        QCOMPARE(child<QComboBox>(*shown, "keyBox")->currentIndex(), -1);
        QCOMPARE(child<QComboBox>(*shown, "keyBox")->currentText(), keys.value(0));
        QVERIFY(test::listRows(*shown, keyLists).isEmpty());
        QVERIFY(resultBox(*shown).isEmpty());
        if (keys.isEmpty())
            return;

        pick(*shown, "keyBox", key);
        QCOMPARE(test::listRows(*shown, keyLists), rows);
        QCOMPARE(test::selectedRows(*shown, keyLists), QList<int>(2, 0));
        QCOMPARE(resultBox(*shown), firstRowForms);
        const int last = static_cast<int>(rows.size()) - 1;
        test::clickRow(*shown, QStringLiteral("occurrencesList"), last);
        QCOMPARE(resultBox(*shown), lastRowForms);
        test::clickRow(*shown, QStringLiteral("formCountList"), 0);
        QCOMPARE(test::selectedRows(*shown, keyLists), QList<int>(2, last));
        QCOMPARE(resultBox(*shown), lastRowForms);
    }

    // Leaving the combo box, or typing a text that is no key and Enter, picks nothing.
    void keysNotPicked()
    {
        const auto window = test::openStatisticWindow("letters", "Le le");
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto* combo = child<QComboBox>(*window, "keyBox");
        combo->setFocus();
        child<QWidget>(*window, "formsBox")->setFocus();
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo, QStringLiteral("L"));
        QTest::keyClick(combo, Qt::Key_Return);
        QCOMPARE(keyBoxEntries(*window), QStringList({"e", "l"}));
        QVERIFY(test::listRows(*window, keyLists).isEmpty());
    }

    void edges_data()
    {
        QTest::addColumn<QString>("letter");
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("forms");
        const QString both = QStringLiteral("showStartFormsButton showEndFormsButton");
        QTest::newRow("l, beginning") << "l"
                                      << "2 1 " + both << "showStartFormsButton"
                                      << "là (1)\r\nle (1)\r\n";
        QTest::newRow("l, end") << "l"
                                << "2 1 " + both << "showEndFormsButton"
                                << "sel (1)\r\n";
        QTest::newRow("s: no end") << "s"
                                   << "1 0 showStartFormsButton"
                                   << "showStartFormsButton"
                                   << "sel (1)\r\n";
        QTest::newRow("à: no beginning") << "à"
                                         << "0 1 showEndFormsButton"
                                         << "showEndFormsButton"
                                         << "là (1)\r\n";
    }

    // StartEndLettersWindow: the table in code order with nothing selected and the buttons hidden; a pick
    // shows the two counts and the buttons of the sides that have forms; a button lists them;
    // the next pick empties the result box.
    void edges()
    {
        QFETCH(QString, letter);
        QFETCH(QString, choice);
        QFETCH(QString, button);
        QFETCH(QString, forms);
        const auto window = test::openStatisticWindow("edges", test::cp1252("Le sel est là."));
        window->show();
        QCOMPARE(test::listRows(*window, edgeLists), QStringList({"e|1|1", "l|2|1", "s|1|0", "t|0|1", "à|0|1"}));
        QCOMPARE(test::selectedRows(*window, edgeLists), QList<int>(3, -1));
        QCOMPARE(child<QComboBox>(*window, "letterBox")->currentText(), QStringLiteral("e"));
        QCOMPARE(visible(*window, showFormsButtons), QString());

        pick(*window, "letterBox", letter);
        QCOMPARE(QStringList({child<QLineEdit>(*window, "startCountBox")->text(),
                              child<QLineEdit>(*window, "endCountBox")->text(), visible(*window, showFormsButtons)})
                     .join(' '),
                 choice);
        QTest::mouseClick(child<QPushButton>(*window, qPrintable(button)), Qt::LeftButton);
        QCOMPARE(resultBox(*window), forms);
        pick(*window, "letterBox", QStringLiteral("e"));
        QVERIFY(resultBox(*window).isEmpty());
    }

    // StartEndLettersWindow: "Affichage" lists the letter the combo box shows, as typed: a capital or two
    // letters match no form. Any of the three lists selects its row in the other two.
    void edgesTypedAndClicked()
    {
        const auto window = test::openStatisticWindow("edges", "Le sel est la.");
        window->show();
        pick(*window, "letterBox", QStringLiteral("l"));
        for (const QString& typed : {QStringLiteral("L"), QStringLiteral("le")}) {
            child<QComboBox>(*window, "letterBox")->setEditText(typed);
            QTest::mouseClick(child<QPushButton>(*window, "showStartFormsButton"), Qt::LeftButton);
            QVERIFY(resultBox(*window).isEmpty());
        }
        for (int row = 0; row < edgeLists.size(); ++row) {
            test::clickRow(*window, edgeLists[row], row + 1);
            QCOMPARE(test::selectedRows(*window, edgeLists), QList<int>(3, row + 1));
        }
    }
};

QTEST_MAIN(tst_compositionWindows)
#include "tst_compositionWindows.moc"
