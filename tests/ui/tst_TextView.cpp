// The view that shows a long text from its bytes: reading it with the keyboard, the mouse and
// a screen reader, and editing it, which moves it into the editable box.
#include "tests/ui/ui_test_support.h"
#include "ui/LoadedTextBox.h"
#include "ui/MessageBox.h"
#include "ui/PlainTextBox.h"
#include "ui/TextView.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <string>

using namespace quorvelle;

namespace {

// A box that shows every code page 1252 text in its view, shown and focused.
struct ShownBox {
    mutable ui::LoadedTextBox box{nullptr, 0};

    explicit ShownBox(const std::string& text)
    {
        box.setCp1252Text(std::make_shared<const std::string>(text));
        box.resize(400, 200);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        box.setFocus();
    }
    ui::TextView* view() const { return box.view(); }
    void press(QKeySequence::StandardKey key) const
    {
        const QKeyCombination combination = QKeySequence(key)[0];
        QTest::keyClick(view(), combination.key(), combination.keyboardModifiers());
    }
};

const std::string threeLines = "le chat\r\ndort\nbien";

} // namespace

class tst_TextView : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::setUpWindowTests(); }

    // The caret moves over a line end as over one character, keeps its place across lines,
    // and selects as it goes; copy and Ctrl+A give the text with its own line ends.
    void readingWithTheKeyboard()
    {
        const ShownBox shown(threeLines);
        ui::TextView* view = shown.view();
        QVERIFY(shown.box.showsView());
        shown.press(QKeySequence::MoveToEndOfLine);
        QCOMPARE(view->caret(), 7);
        shown.press(QKeySequence::MoveToNextChar);
        QCOMPARE(view->caret(), 9);
        shown.press(QKeySequence::MoveToPreviousChar);
        QCOMPARE(view->caret(), 7);
        shown.press(QKeySequence::MoveToNextWord);
        QCOMPARE(view->caret(), 9);
        shown.press(QKeySequence::SelectEndOfLine);
        QCOMPARE(view->selectedText(), QStringLiteral("dort"));
        shown.press(QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("dort"));
        shown.press(QKeySequence::MoveToNextLine);
        QCOMPARE(view->caret(), 18); // "bien" is as long as "dort"
        shown.press(QKeySequence::MoveToPreviousLine);
        shown.press(QKeySequence::MoveToPreviousLine);
        QCOMPARE(view->caret(), 4);
        shown.press(QKeySequence::SelectEndOfDocument);
        QCOMPARE(view->selectedText(), QStringLiteral("hat\r\ndort\nbien"));
        shown.press(QKeySequence::SelectAll);
        shown.press(QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("le chat\r\ndort\nbien"));
    }

    // A click puts the caret under the pointer, a drag selects, a double-click selects a word.
    void readingWithTheMouse()
    {
        const ShownBox shown(threeLines);
        ui::TextView* view = shown.view();
        QWidget* viewport = view->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, view->characterRect(10).topLeft() + QPoint(0, 2));
        QCOMPARE(view->caret(), 10);
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, view->characterRect(4).center());
        QCOMPARE(view->selectedText(), QStringLiteral("chat"));
        QTest::mousePress(viewport, Qt::LeftButton, {}, view->characterRect(0).topLeft() + QPoint(0, 2));
        QMouseEvent drag(QEvent::MouseMove, view->characterRect(12).topLeft() + QPoint(0, 2),
                         viewport->mapToGlobal(view->characterRect(12).topLeft()), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &drag);
        QCOMPARE(view->selectedText(), QStringLiteral("le chat\r\ndor"));
    }

    // A screen reader reads the line, the word and the character at an offset, the caret and
    // the selection, and may move them.
    void screenReadersReadTheText()
    {
        const ShownBox shown(threeLines);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(shown.view());
        QVERIFY(accessible);
        QCOMPARE(accessible->role(), QAccessible::EditableText);
        QAccessibleTextInterface* text = accessible->textInterface();
        QVERIFY(text);
        QCOMPARE(text->characterCount(), 18);
        int start = -1;
        int end = -1;
        QCOMPARE(text->textAtOffset(10, QAccessible::LineBoundary, &start, &end), QStringLiteral("dort\n"));
        QCOMPARE(start, 9);
        QCOMPARE(end, 14);
        QCOMPARE(text->textAfterOffset(10, QAccessible::LineBoundary, &start, &end), QStringLiteral("bien"));
        QCOMPARE(text->textBeforeOffset(10, QAccessible::LineBoundary, &start, &end), QStringLiteral("le chat\r\n"));
        QCOMPARE(text->textAtOffset(5, QAccessible::WordBoundary, &start, &end), QStringLiteral("chat"));
        QCOMPARE(text->textAtOffset(14, QAccessible::CharBoundary, &start, &end), QStringLiteral("b"));
        text->setSelection(0, 3, 7);
        QCOMPARE(shown.view()->selectedText(), QStringLiteral("chat"));
        QCOMPARE(text->selectionCount(), 1);
        QCOMPARE(text->cursorPosition(), 7);
        text->setCursorPosition(14);
        QCOMPARE(text->selectionCount(), 0);
        QCOMPARE(shown.view()->caret(), 14);
    }

    // The first key that edits moves the text into the editable box, where it is typed in
    // place of the selection; the text is not set again, and only the key is an edit.
    void editingMovesTheTextIntoTheEditableBox()
    {
        const ShownBox shown(threeLines);
        const std::shared_ptr<const std::string> bytes = shown.box.unmodifiedCp1252Text();
        QVERIFY(bytes && *bytes == threeLines);
        QSignalSpy textSet(&shown.box, &ui::LoadedTextBox::textSet);
        QSignalSpy edited(&shown.box, &ui::LoadedTextBox::edited);
        shown.view()->select(3, 7);
        QTest::keyClicks(shown.view(), QStringLiteral("c"));
        QTest::keyClicks(shown.box.editor(), QStringLiteral("hien"));
        QVERIFY(!shown.box.showsView());
        QCOMPARE(shown.box.text(), QStringLiteral("le chien\r\ndort\nbien"));
        QVERIFY(shown.box.isEdited() && !shown.box.unmodifiedCp1252Text());
        QVERIFY(shown.box.editor()->hasFocus());
        QCOMPARE(textSet.count(), 0);
        QVERIFY(!edited.isEmpty());
        shown.box.editor()->undo();
        QCOMPARE(shown.box.text(), QStringLiteral("le chat\r\ndort\nbien"));
    }

    // As a window's result box, the view shows a line in context on Ctrl+Entrée once someone
    // listens, and Tab leaves it; the Edition menu's paste makes the text editable.
    void aListingOffersItsLinesInContext()
    {
        const ShownBox shown(threeLines);
        QWidget neighbour(&shown.box);
        neighbour.setFocusPolicy(Qt::StrongFocus);
        neighbour.show();
        shown.box.setTabChangesFocus(true);
        QStringList activated;
        connect(&shown.box, &ui::LoadedTextBox::lineActivated, this, [&](const QString& line) { activated << line; });
        shown.view()->select(11, 11);
        QTest::keyClick(shown.view(), Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(activated, QStringList{QStringLiteral("dort")});
        QTest::keyClick(shown.view(), Qt::Key_Tab);
        QVERIFY(shown.box.showsView() && !shown.view()->hasFocus());
        QGuiApplication::clipboard()->setText(QStringLiteral("!"));
        shown.box.pasteClipboardText();
        QCOMPARE(shown.box.text(), QStringLiteral("le chat\r\ndo!rt\nbien"));
    }

    // A read-only text is not edited; a long one is moved into the editable box only if the
    // user agrees, since that takes more than twice its size in memory.
    void editingIsAskedOrRefused()
    {
        {
            const ShownBox shown(threeLines);
            // A menu's access key is no edit.
            QTest::keyClick(shown.view(), Qt::Key_S, Qt::AltModifier);
            QVERIFY(shown.box.showsView());
            shown.box.setReadOnly(true);
            QTest::keyClicks(shown.view(), QStringLiteral("x"));
            QVERIFY(shown.box.showsView());
            QCOMPARE(shown.box.text(), QStringLiteral("le chat\r\ndort\nbien"));
        }
        std::string longText(ui::LoadedTextBox::editingAskedFrom, 'a');
        for (std::size_t line = 80; line < longText.size(); line += 81)
            longText[line] = '\n';
        const ShownBox shown(longText);
        ui::MessageBox::setNextAnswer(QMessageBox::No);
        QTest::keyClick(shown.view(), Qt::Key_Delete);
        QVERIFY(shown.box.showsView());
        QVERIFY(!shown.box.isEdited());
        QCOMPARE(shown.box.unmodifiedCp1252Text()->size(), longText.size());
    }
};

QTEST_MAIN(tst_TextView)
#include "tst_TextView.moc"
