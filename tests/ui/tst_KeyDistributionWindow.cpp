// The letters, doubled-letters and pairs windows: the keys offered, a key picked, a row
// clicked, and the following list.
#include "tests/ui/ui_test_support.h"
#include "ui/PlainTextBox.h"
#include "ui/stats/frmstatb.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <memory>


using namespace quorvelle;

namespace {

const QStringList lists = {"List4", "List5"};

QComboBox* comboBox(const QWidget& window)
{
    return window.findChild<QComboBox*>(QStringLiteral("Combo1"));
}

QStringList comboEntries(const QWidget& window)
{
    QStringList entries;
    for (int index = 0; index < comboBox(window)->count(); ++index)
        entries << comboBox(window)->itemText(index);
    return entries;
}

QString resultBox(const QWidget& window)
{
    return window.findChild<ui::PlainTextBox*>(QStringLiteral("Text1"))->text();
}

} // namespace

class tst_KeyDistributionWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::setUpWindowTests(); }

    void pickAndClick_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("firstRowForms");
        QTest::addColumn<QString>("lastRowForms");
        QTest::newRow("letters") << "frmstatb" << test::cp1252("Elle aime le thé.")
                                 << QStringList({"a", "e", "é", "h", "i", "l", "m", "t"}) << "e"
                                 << QStringList({"1|2", "2|1"}) << "aime (1)\r\nle (1)\r\n" << "elle (1)\r\n";
        QTest::newRow("letters, one form twice") << "frmstatb" << QByteArray("Le le") << QStringList({"e", "l"}) << "l"
                                                 << QStringList({"1|2"}) << "le (2)\r\n" << "le (2)\r\n";
        QTest::newRow("doubled letters") << "frmstatd" << QByteArray("Elle appelle Bella.") << QStringList({"ll", "pp"})
                                         << "ll" << QStringList({"1|3"}) << "appelle (1)\r\nbella (1)\r\nelle (1)\r\n"
                                         << "appelle (1)\r\nbella (1)\r\nelle (1)\r\n";
        QTest::newRow("doubled letters, overlapping") << "frmstatd" << QByteArray("lll ll") << QStringList({"ll"})
                                                      << "ll" << QStringList({"1|1", "2|1"}) << "ll (1)\r\n"
                                                      << "lll (1)\r\n";
        QTest::newRow("pairs") << "frmstate" << QByteArray("Un chat, des chats.")
                               << QStringList({"at", "ch", "de", "es", "ha", "ts", "un"}) << "ch"
                               << QStringList({"1|2"}) << "chat (1)\r\nchats (1)\r\n" << "chat (1)\r\nchats (1)\r\n";
    }

    // On opening the combo box shows its first key, nothing is selected and the lists are
    // empty; a pick fills the lists and lists the forms of the first row; a click in List4
    // lists the forms of its row.
    void pickAndClick()
    {
        QFETCH(QString, window);
        QFETCH(QByteArray, text);
        QFETCH(QStringList, keys);
        QFETCH(QString, key);
        QFETCH(QStringList, rows);
        QFETCH(QString, firstRowForms);
        QFETCH(QString, lastRowForms);
        const auto shown = test::openStatisticsWindow(window, text);
        shown->show();
        QCOMPARE(comboEntries(*shown), keys);
        QCOMPARE(comboBox(*shown)->currentIndex(), -1);
        QCOMPARE(comboBox(*shown)->currentText(), keys.first());
        QVERIFY(test::listRows(*shown, lists).isEmpty());
        QVERIFY(resultBox(*shown).isEmpty());

        test::pickEntry(comboBox(*shown), key);
        QCOMPARE(test::listRows(*shown, lists), rows);
        QCOMPARE(test::selectedRows(*shown, lists), QList<int>({0, 0}));
        QCOMPARE(resultBox(*shown), firstRowForms);

        const int last = static_cast<int>(rows.size()) - 1;
        test::clickRow(*shown, QStringLiteral("List4"), last);
        QCOMPARE(test::selectedRows(*shown, lists), QList<int>({last, last}));
        QCOMPARE(resultBox(*shown), lastRowForms);
    }

    // A click in List5 puts the selection back on List4's row and lists nothing new.
    void followingList()
    {
        ui::frmstatb window("Elle aime le thé.", nullptr);
        window.show();
        test::pickEntry(comboBox(window), QStringLiteral("e"));
        test::clickRow(window, QStringLiteral("List5"), 1);
        QCOMPARE(test::selectedRows(window, lists), QList<int>({0, 0}));
        QCOMPARE(resultBox(window), QStringLiteral("aime (1)\r\nle (1)\r\n"));
    }

    // Typed text that is no key, confirmed with Enter, picks nothing and is not added.
    void typedTextMatchingNoKey()
    {
        ui::frmstatb window("Le le", nullptr);
        window.show();
        comboBox(window)->lineEdit()->selectAll();
        QTest::keyClicks(comboBox(window), QStringLiteral("L"));
        QTest::keyClick(comboBox(window), Qt::Key_Return);
        QCOMPARE(comboEntries(window), QStringList({"e", "l"}));
        QVERIFY(test::listRows(window, lists).isEmpty());
        QVERIFY(resultBox(window).isEmpty());
    }

    // The first key shown at opening is not picked when the focus leaves the box.
    void leavingTheComboBoxPicksNothing()
    {
        ui::frmstatb window("Le le", nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        comboBox(window)->setFocus();
        window.findChild<QWidget*>(QStringLiteral("Text1"))->setFocus();
        QVERIFY(test::listRows(window, lists).isEmpty());
    }

    void degenerateTexts_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("letters, no form") << "frmstatb" << QByteArray("12 !");
        QTest::newRow("doubled letters, none doubled") << "frmstatd" << QByteArray("le chat dort");
        QTest::newRow("pairs, one-letter forms") << "frmstate" << QByteArray("a b c d'e");
    }

    void degenerateTexts()
    {
        QFETCH(QString, window);
        QFETCH(QByteArray, text);
        const auto shown = test::openStatisticsWindow(window, text);
        QCOMPARE(comboBox(*shown)->count(), 0);
        QVERIFY(comboBox(*shown)->currentText().isEmpty());
        QVERIFY(test::listRows(*shown, lists).isEmpty());
        QVERIFY(resultBox(*shown).isEmpty());
    }
};

QTEST_MAIN(tst_KeyDistributionWindow)
#include "tst_KeyDistributionWindow.moc"
