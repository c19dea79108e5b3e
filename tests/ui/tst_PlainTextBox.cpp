// The text box keeps the line ends of its text, unedited and edited.
#include "tests/ui/ui_test_support.h"
#include "ui/PlainTextBox.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

using quorvelle::ui::PlainTextBox;

class tst_PlainTextBox : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { quorvelle::test::setUpWindowTests(); }

    void uneditedTextComesBackExactly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("CR LF") << QStringLiteral("chat (2)\r\nle (1)\r\n");
        QTest::newRow("mixed line ends") << QStringLiteral("a\r\nb\nc\rd");
        QTest::newRow("no-break space and tab") << QStringLiteral("a\u00A0b\tc");
        QTest::newRow("empty") << QString();
    }

    void uneditedTextComesBackExactly()
    {
        QFETCH(QString, text);
        PlainTextBox box(nullptr);
        box.setText(text);
        QCOMPARE(box.text(), text);
    }

    void editedTextTakesTheFirstLineEnd_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("edited");
        QTest::newRow("CR LF") << QStringLiteral("ab\r\ncd\r\n") << QStringLiteral("axb\r\ncd\r\n");
        QTest::newRow("LF") << QStringLiteral("ab\ncd") << QStringLiteral("axb\ncd");
        QTest::newRow("CR") << QStringLiteral("ab\rcd") << QStringLiteral("axb\rcd");
        QTest::newRow("first line end wins") << QStringLiteral("ab\ncd\r\ne") << QStringLiteral("axb\ncd\ne");
        QTest::newRow("no-break space kept") << QStringLiteral("a\u00A0b") << QStringLiteral("ax\u00A0b");
    }

    void editedTextTakesTheFirstLineEnd()
    {
        QFETCH(QString, text);
        QFETCH(QString, edited);
        PlainTextBox box(nullptr);
        box.setText(text);
        QTextCursor cursor = box.textCursor();
        cursor.setPosition(1);
        box.setTextCursor(cursor);
        QTest::keyClicks(&box, QStringLiteral("x"));
        QCOMPARE(box.text(), edited);
    }

    void typedLineBreakUsesTheBoxLineEnd()
    {
        PlainTextBox box(nullptr);
        box.setText(QString());
        QTest::keyClicks(&box, QStringLiteral("le"));
        QTest::keyClick(&box, Qt::Key_Return);
        QTest::keyClicks(&box, QStringLiteral("chat"));
        QCOMPARE(box.text(), QStringLiteral("le\r\nchat"));
    }

    void undoingEveryEditGivesTheExactTextBack()
    {
        PlainTextBox box(nullptr);
        box.setText(QStringLiteral("a\nb\r\nc"));
        QTest::keyClicks(&box, QStringLiteral("x"));
        box.undo();
        QCOMPARE(box.text(), QStringLiteral("a\nb\r\nc"));
    }

    void keyboardCopyKeepsCrLf()
    {
        PlainTextBox box(nullptr);
        box.setText(QStringLiteral("le (2)\r\nchat (1)\r\n"));
        box.selectAll();
        QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("le (2)\r\nchat (1)\r\n"));
    }

    // A long listing shows in portions; the text is whole from the start, in the box once
    // the event loop has turned, and at once when the user acts on it.
    void longTextShowsInPortions()
    {
        const QString listing = QStringLiteral("chat (1)\r\n").repeated(100'000);
        PlainTextBox box(nullptr);
        box.setText(listing);
        QCOMPARE(box.text(), listing);
        QVERIFY(box.document()->blockCount() < 100'000);
        QTRY_COMPARE(box.document()->blockCount(), 100'001);
        QCOMPARE(box.text(), listing);
        box.undo(); // nothing to undo: the portions are no edits
        QCOMPARE(box.text(), listing);

        box.setText(listing);
        QTest::keyClick(&box, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(&box, QStringLiteral("x"));
        QCOMPARE(box.text(), listing + QLatin1Char('x'));

        box.setText(listing);
        box.selectWholeText();
        box.copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), listing);
    }
};

QTEST_MAIN(tst_PlainTextBox)
#include "tst_PlainTextBox.moc"
