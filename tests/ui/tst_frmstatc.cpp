// The first-and-last-letters window: its table, a letter picked, the "Affichage" buttons and
// the lists that drive one another.
#include "tests/ui/ui_test_support.h"
#include "ui/PlainTextBox.h"
#include "ui/stats/frmstatc.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace quorvelle;

namespace {

const QStringList lists = {"List3", "List4", "List5"};

template <class Widget>
Widget* child(const QWidget& window, const char* name)
{
    return window.findChild<Widget*>(QString::fromLatin1(name));
}

QString resultBox(const QWidget& window)
{
    return child<ui::PlainTextBox>(window, "Text1")->text();
}

// The two counts and which "Affichage" buttons show: "2 1 Command1 Command2".
QString choice(const QWidget& window)
{
    QStringList shown = {child<QLineEdit>(window, "Text2")->text(), child<QLineEdit>(window, "Text3")->text()};
    for (const char* name : {"Command1", "Command2"})
        if (!child<QPushButton>(window, name)->isHidden())
            shown << QString::fromLatin1(name);
    return shown.join(QLatin1Char(' '));
}

} // namespace

class tst_frmstatc : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::setUpWindowTests(); }

    // The table in code order; the combo box shows its first letter, unselected; the buttons
    // are hidden and nothing is listed.
    void opening()
    {
        ui::frmstatc window(test::cp1252("Le sel est là.").toStdString(), nullptr);
        QCOMPARE(test::listRows(window, lists), QStringList({"e|1|1", "l|2|1", "s|1|0", "t|0|1", "à|0|1"}));
        QCOMPARE(test::selectedRows(window, lists), QList<int>({-1, -1, -1}));
        QCOMPARE(child<QComboBox>(window, "Combo1")->currentIndex(), -1);
        QCOMPARE(child<QComboBox>(window, "Combo1")->currentText(), QStringLiteral("e"));
        QCOMPARE(choice(window), QStringLiteral(" "));
        QVERIFY(resultBox(window).isEmpty());
    }

    void pickAndShow_data()
    {
        QTest::addColumn<QString>("letter");
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("forms");
        QTest::newRow("l, beginning") << "l" << "2 1 Command1 Command2" << "Command1" << "là (1)\r\nle (1)\r\n";
        QTest::newRow("l, end") << "l" << "2 1 Command1 Command2" << "Command2" << "sel (1)\r\n";
        QTest::newRow("s: no end") << "s" << "1 0 Command1" << "Command1" << "sel (1)\r\n";
        QTest::newRow("à: no beginning") << "à" << "0 1 Command2" << "Command2" << "là (1)\r\n";
    }

    void pickAndShow()
    {
        QFETCH(QString, letter);
        QFETCH(QString, choice);
        QFETCH(QString, button);
        QFETCH(QString, forms);
        ui::frmstatc window(test::cp1252("Le sel est là.").toStdString(), nullptr);
        window.show();
        test::pickEntry(child<QComboBox>(window, "Combo1"), letter);
        QCOMPARE(::choice(window), choice);
        QVERIFY(resultBox(window).isEmpty());
        QTest::mouseClick(window.findChild<QPushButton*>(button), Qt::LeftButton);
        QCOMPARE(resultBox(window), forms);

        // Picking a letter again empties the result box.
        test::pickEntry(child<QComboBox>(window, "Combo1"), QStringLiteral("e"));
        QVERIFY(resultBox(window).isEmpty());
    }

    // "Affichage" lists the letter the combo box shows, as typed: a capital or two letters
    // match no form, and nothing fails.
    void typedTextMatchingNoLetter()
    {
        ui::frmstatc window("Le sel est là.", nullptr);
        window.show();
        test::pickEntry(child<QComboBox>(window, "Combo1"), QStringLiteral("l"));
        for (const QString& typed : {QStringLiteral("L"), QStringLiteral("le")}) {
            child<QComboBox>(window, "Combo1")->setEditText(typed);
            QTest::mouseClick(child<QPushButton>(window, "Command1"), Qt::LeftButton);
            QVERIFY(resultBox(window).isEmpty());
        }
        QCOMPARE(choice(window), QStringLiteral("2 1 Command1 Command2"));
    }

    // A click in any of the three lists selects its row in the other two.
    void anyListDrives()
    {
        ui::frmstatc window("Le sel est là.", nullptr);
        window.show();
        for (const QString& list : lists) {
            const int row = static_cast<int>(lists.indexOf(list)) + 1;
            test::clickRow(window, list, row);
            QCOMPARE(test::selectedRows(window, lists), QList<int>({row, row, row}));
        }
        QVERIFY(resultBox(window).isEmpty());
    }

    void noForm()
    {
        ui::frmstatc window("12 !", nullptr);
        QVERIFY(test::listRows(window, lists).isEmpty());
        QCOMPARE(child<QComboBox>(window, "Combo1")->count(), 0);
        QCOMPARE(choice(window), QStringLiteral(" "));
    }
};

QTEST_MAIN(tst_frmstatc)
#include "tst_frmstatc.moc"
