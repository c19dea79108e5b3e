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
#include <QTextBlock>
#include <QTextDocument>

using namespace quorvelle;

class tst_text : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::setUpWindowTests(); }

    // Every byte comes back from its character; a character outside the code page, a
    // surrogate pair counting as one and a lone surrogate too, becomes the substitute 0x1A.
    void codePageConversion()
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
        QVERIFY(ui::toCp1252(QString::fromUtf8("Őz \xF0\x9F\x98\x80") + QChar(0xD800)) == "\x1Az \x1A\x1A");
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

    // What the statistics read keeps every line end, whatever its kind, as set and through
    // typing, Enter, Backspace, a paste with line ends of its own, a copy and undo. The box
    // shows the text "a\r\nb\nc\rd" as four lines: position 2 is the "b".
    void editsKeepEveryLineEnd_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("keys"); // "\r" is Enter, "\b" Backspace
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("edited");
        const struct {
            const char* name;
            int start, length;
            const char *selected, *keys, *pasted, *edited;
        } edits[] = {
            {"type in the middle", 4, 0, "", "e", "", "a\r\nb\nec\rd"},
            {"type over a CR LF", 1, 1, "\r\n", "e", "", "aeb\nc\rd"},
            {"Backspace a CR LF", 2, 0, "", "\b", "", "ab\nc\rd"},
            {"Enter at the end: first line end", 7, 0, "", "e\r", "", "a\r\nb\nc\rde\r\n"},
            {"paste over line ends", 3, 3, "\nc\r", "", "x\ry\u00A0\r\n", "a\r\nbx\ry\u00A0\r\nd"},
        };
        for (const auto& [name, start, length, selected, keys, pasted, edited] : edits)
            QTest::newRow(name) << start << length << QString::fromUtf8(selected) << QString::fromUtf8(keys)
                                << QString::fromUtf8(pasted) << QString::fromUtf8(edited);
    }

    void editsKeepEveryLineEnd()
    {
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(QString, selected);
        QFETCH(QString, keys);
        QFETCH(QString, pasted);
        QFETCH(QString, edited);
        const QString text = QStringLiteral("a\r\nb\nc\rd");
        ui::PlainTextBox box(nullptr);
        box.setText(text);
        QCOMPARE(box.text(), text);
        QTextCursor cursor = box.textCursor();
        cursor.setPosition(start);
        cursor.setPosition(start + length, QTextCursor::KeepAnchor);
        box.setTextCursor(cursor);
        QCOMPARE(box.selectedText(), selected);
        QTest::keyClicks(&box, keys);
        if (!pasted.isEmpty()) {
            QGuiApplication::clipboard()->setText(pasted);
            box.paste();
        }
        QCOMPARE(box.text(), edited);

        box.selectWholeText();
        box.copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), edited);
        box.deleteSelection();
        box.undo();
        QCOMPARE(box.text(), edited);
    }

    // A long listing shows in portions; the text is whole from the start, in the box once
    // the event loop has turned, and at once when the user acts on it.
    void longTextShowsInPortions()
    {
        const QString listing = QStringLiteral("chat (1)\r\nle (2)\n").repeated(50'000);
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

    // A line too long for Qt to lay out at once is shown cut into paragraphs after blanks; the
    // cuts stand for nothing, through portions, edits, copies and undo.
    void longLineShownInParagraphs()
    {
        const QString line = QStringLiteral("mot ").repeated(300'000) + QStringLiteral("\r\nfin");
        ui::PlainTextBox box(nullptr);
        box.setText(line);
        box.completeText();
        QVERIFY(box.document()->blockCount() > 250);
        QCOMPARE(box.document()->begin().text(), QStringLiteral("mot ").repeated(1024));
        box.setTextCursor(QTextCursor(box.document()->begin().next()));
        QTest::keyClicks(&box, QStringLiteral("x"));
        const QString edited = QString(line).insert(4096, QLatin1Char('x'));
        QCOMPARE(box.text(), edited);
        box.selectWholeText();
        box.copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), edited);
        box.undo();
        QCOMPARE(box.text(), line);
    }
};

QTEST_MAIN(tst_text)
#include "tst_text.moc"
