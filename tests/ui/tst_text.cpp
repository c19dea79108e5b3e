// The text the windows show: code page 1252 conversion, numbers under another locale, Qt's
// French dialogs, and the text box that keeps the line ends of its text.
#include "tests/ui/ui_test_support.h"
#include "ui/PlainTextBox.h"
#include "ui/cp1252_text.h"
#include "ui/number_text.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using namespace quorvelle;

class tst_text : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::setUpWindowTests(); }

    void everyByteRoundTrips()
    {
        std::string all;
        for (int byte = 0; byte < 256; ++byte)
            all.push_back(static_cast<char>(byte));
        const QString text = ui::fromCp1252(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(text.at(0x80), QChar(0x20AC));
        QCOMPARE(text.at(0x92), QChar(0x2019));
        QCOMPARE(text.at(0xE9), QChar(0xE9));
        QVERIFY(ui::toCp1252(text) == all);
    }

    void charactersToCodePage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii and accents") << QStringLiteral("Été, là") << QByteArray("\xC9t\xE9, l\xE0");
        QTest::newRow("euro and apostrophe") << QStringLiteral("€’…") << QByteArray("\x80\x92\x85");
        QTest::newRow("undefined byte kept") << QStringLiteral("\u0081\u009D") << QByteArray("\x81\x9D");
        QTest::newRow("outside the code page") << QStringLiteral("Őz") << QByteArray("\x1Az");
        QTest::newRow("surrogate pair is one character") << QString::fromUtf8("a\xF0\x9F\x98\x80" "b")
                                                         << QByteArray("a\x1A" "b");
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("\x1A");
    }

    void charactersToCodePage()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(QByteArray::fromStdString(ui::toCp1252(text)), bytes);
    }

    void numbersFollowAnotherLocale()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const QString text = ui::numberText(12.5);
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        QCOMPARE(text, QStringLiteral("12.5"));
    }

    void qtDialogsSpeakFrench()
    {
        QMessageBox box(QMessageBox::NoIcon, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.button(QMessageBox::Yes)->text(), QStringLiteral("&Oui"));
        QCOMPARE(box.button(QMessageBox::No)->text(), QStringLiteral("&Non"));

        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        const auto* buttons = dialog.findChild<QDialogButtonBox*>();
        QVERIFY(buttons);
        QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Annuler"));
    }

    void uneditedTextComesBackExactly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("CR LF") << QStringLiteral("chat (2)\r\nle (1)\r\n");
        QTest::newRow("mixed line ends") << QStringLiteral("a\r\nb\nc\rd");
    }

    void uneditedTextComesBackExactly()
    {
        QFETCH(QString, text);
        ui::PlainTextBox box(nullptr);
        box.setText(text);
        QCOMPARE(box.text(), text);
    }

    void editedTextTakesTheFirstLineEnd_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("edited");
        QTest::newRow("CR LF") << QStringLiteral("ab\r\ncd\r\n") << QStringLiteral("axb\r\ncd\r\n");
        QTest::newRow("LF") << QStringLiteral("ab\ncd") << QStringLiteral("axb\ncd");
        QTest::newRow("no-break space kept") << QStringLiteral("a\u00A0b") << QStringLiteral("ax\u00A0b");
    }

    void editedTextTakesTheFirstLineEnd()
    {
        QFETCH(QString, text);
        QFETCH(QString, edited);
        ui::PlainTextBox box(nullptr);
        box.setText(text);
        QTextCursor cursor = box.textCursor();
        cursor.setPosition(1);
        box.setTextCursor(cursor);
        QTest::keyClicks(&box, QStringLiteral("x"));
        QCOMPARE(box.text(), edited);
    }

    void undoingEveryEditGivesTheExactTextBack()
    {
        ui::PlainTextBox box(nullptr);
        box.setText(QStringLiteral("a\nb\r\nc"));
        QTest::keyClicks(&box, QStringLiteral("x"));
        box.undo();
        QCOMPARE(box.text(), QStringLiteral("a\nb\r\nc"));
    }

    // A long listing shows in portions; the text is whole from the start, in the box once
    // the event loop has turned, and at once when the user acts on it.
    void longTextShowsInPortions()
    {
        const QString listing = QStringLiteral("chat (1)\r\n").repeated(100'000);
        ui::PlainTextBox box(nullptr);
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

QTEST_MAIN(tst_text)
#include "tst_text.moc"
