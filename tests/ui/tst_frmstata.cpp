// The forms-by-length window: its rows and first selection, the six sort buttons, the
// following lists.
#include "tests/ui/ui_test_support.h"
#include "ui/PlainTextBox.h"
#include "ui/stats/frmstata.h"

#include <QPushButton>
#include <QTest>

using namespace quorvelle;

namespace {

const QStringList lists = {"List1", "List2", "List3"};

QString resultBox(const QWidget& window)
{
    return window.findChild<ui::PlainTextBox*>(QStringLiteral("txtstata"))->text();
}

QString visibleButtons(const QWidget& window)
{
    QStringList visible;
    for (const char* name : {"Command1", "Command1a", "Command2", "Command2a", "Command3", "Command3a"})
        if (!window.findChild<QPushButton*>(QString::fromLatin1(name))->isHidden())
            visible << QString::fromLatin1(name);
    return visible.join(QLatin1Char(' '));
}

} // namespace

class tst_frmstata : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::setUpWindowTests(); }

    void opening_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("forms");
        QTest::newRow("Le chat dort.") << QByteArray("Le chat dort.") << QStringList({"2|4|66,67", "1|2|33,33"})
                                       << "chat  (1)\r\ndort  (1)\r\n";
        QTest::newRow("Le le LE") << QByteArray("Le le LE") << QStringList({"3|2|100"}) << "le  (3)\r\n";
        QTest::newRow("12,5 %") << QByteArray("a bb bb bb bb bb bb bb") << QStringList({"7|2|87,5", "1|1|12,5"})
                                << "bb  (7)\r\n";
        QTest::newRow("a form of 600 letters") << QByteArray(600, 'x') << QStringList({"1|600|100"})
                                               << QString(600, u'x') + QStringLiteral("  (1)\r\n");
        QTest::newRow("no form") << QByteArray("12 ; 3 !") << QStringList() << "";
    }

    // Rows in decreasing length, row 0 selected in the three lists and its forms listed.
    void opening()
    {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, rows);
        QFETCH(QString, forms);
        ui::frmstata window(text.toStdString(), nullptr);
        QCOMPARE(test::listRows(window, lists), rows);
        const int selected = rows.isEmpty() ? -1 : 0;
        QCOMPARE(test::selectedRows(window, lists), QList<int>({selected, selected, selected}));
        QCOMPARE(resultBox(window), forms);
        QCOMPARE(visibleButtons(window), QStringLiteral("Command1 Command2 Command3"));
    }

    void sortButtons_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("buttons");
        QTest::addColumn<QString>("forms");
        // Ties keep the decreasing-length order; every sort starts again from it.
        QTest::newRow("forms ascending") << QStringList({"Command3"}) << QStringList({"1|3|20", "1|1|20", "3|2|60"})
                                         << "Command1 Command2 Command3a" << "eee  (1)\r\n";
        QTest::newRow("forms then descending")
            << QStringList({"Command3", "Command3a"}) << QStringList({"3|2|60", "1|3|20", "1|1|20"})
            << "Command1 Command2 Command3" << "aa  (1)\r\nbb  (1)\r\ndd  (1)\r\n";
        QTest::newRow("length ascending") << QStringList({"Command2"}) << QStringList({"1|1|20", "3|2|60", "1|3|20"})
                                          << "Command1 Command2a Command3" << "c  (1)\r\n";
        QTest::newRow("percentage ascending then length")
            << QStringList({"Command1", "Command2"}) << QStringList({"1|1|20", "3|2|60", "1|3|20"})
            << "Command1a Command2a Command3" << "c  (1)\r\n";
        QTest::newRow("percentage descending")
            << QStringList({"Command1", "Command1a"}) << QStringList({"3|2|60", "1|3|20", "1|1|20"})
            << "Command1 Command2 Command3" << "aa  (1)\r\nbb  (1)\r\ndd  (1)\r\n";
    }

    void sortButtons()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, rows);
        QFETCH(QString, buttons);
        QFETCH(QString, forms);
        ui::frmstata window("aa bb c dd eee", nullptr);
        window.show();
        for (const QString& name : clicks)
            QTest::mouseClick(window.findChild<QPushButton*>(name), Qt::LeftButton);
        QCOMPARE(test::listRows(window, lists), rows);
        QCOMPARE(test::selectedRows(window, lists), QList<int>({0, 0, 0}));
        QCOMPARE(visibleButtons(window), buttons);
        QCOMPARE(resultBox(window), forms);
    }

    // A click in List2 or List3 puts the three lists back on List1's row; a click in List1
    // lists the forms of its row.
    void followingLists()
    {
        ui::frmstata window("aa bb c dd eee", nullptr);
        window.show();
        test::clickRow(window, QStringLiteral("List2"), 2);
        QCOMPARE(test::selectedRows(window, lists), QList<int>({0, 0, 0}));
        test::clickRow(window, QStringLiteral("List1"), 2);
        QCOMPARE(test::selectedRows(window, lists), QList<int>({2, 2, 2}));
        QCOMPARE(resultBox(window), QStringLiteral("c  (1)\r\n"));
        test::clickRow(window, QStringLiteral("List3"), 1);
        QCOMPARE(test::selectedRows(window, lists), QList<int>({2, 2, 2}));
        QCOMPARE(resultBox(window), QStringLiteral("c  (1)\r\n"));
    }
};

QTEST_MAIN(tst_frmstata)
#include "tst_frmstata.moc"
