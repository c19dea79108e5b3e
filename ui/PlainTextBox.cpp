// Plain text with its line ends kept, and the Edition commands on it.
#include "ui/PlainTextBox.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

namespace quorvelle::ui {
namespace {

const QString crLf = QStringLiteral("\r\n");

// What a window shows at once, a few thousand lines of a listing, and what each later turn of
// the event loop adds, some 20 ms of work.
constexpr qsizetype firstPortionSize = 128 * 1024;
constexpr qsizetype portionSize = 256 * 1024;

// The line end a paragraph break stands for, on the character format of the break; a break
// without it stands for the text's own line end.
constexpr int lineEndProperty = QTextFormat::UserProperty;

// Besides the line ends, QTextCursor::insertText breaks a paragraph at these characters.
constexpr char16_t frameStart = 0xFDD0;
constexpr char16_t frameEnd = 0xFDD1;

// How many characters from index make one paragraph break once inserted in a document: two
// for CR LF, one for a lone CR or LF, none for any other character.
qsizetype lineEndLength(QStringView text, qsizetype index)
{
    switch (text[index].unicode()) {
    case u'\r':
        return index + 1 < text.size() && text[index + 1] == u'\n' ? 2 : 1;
    case u'\n':
    case QChar::ParagraphSeparator:
    case frameStart:
    case frameEnd:
        return 1;
    default:
        return 0;
    }
}

QString firstLineEnd(const QString& text)
{
    for (qsizetype index = 0; index < text.size(); ++index) {
        if (text.at(index) == u'\n')
            return QStringLiteral("\n");
        if (text.at(index) == u'\r')
            return index + 1 < text.size() && text.at(index + 1) == u'\n' ? crLf : QStringLiteral("\r");
    }
    return crLf;
}

} // namespace

PlainTextBox::PlainTextBox(QWidget* parent)
    : QPlainTextEdit(parent)
    , lineEnd_(crLf)
    , portionTimer_(new QTimer(this))
{
    portionTimer_->setInterval(0);
    connect(portionTimer_, &QTimer::timeout, this, &PlainTextBox::showNextPortion);
}

void PlainTextBox::setText(const QString& text)
{
    portionTimer_->stop();
    lineEnd_ = firstLineEnd(text);
    textAsSet_ = text;
    shown_ = portionEnd(0, firstPortionSize);
    setPlainText(QString());
    // Neither the text nor the portions added later are edits the user could undo.
    document()->setUndoRedoEnabled(false);
    QTextCursor cursor(document());
    insertExactText(cursor, QStringView(text).first(shown_));
    moveCursor(QTextCursor::Start);
    document()->setModified(false);
    if (shown_ < text.size())
        portionTimer_->start();
    else
        document()->setUndoRedoEnabled(true);
}

void PlainTextBox::showNextPortion()
{
    const qsizetype end = portionEnd(shown_, portionSize);
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    insertExactText(cursor, QStringView(textAsSet_).sliced(shown_, end - shown_));
    document()->setModified(false);
    shown_ = end;
    if (shown_ == textAsSet_.size()) {
        portionTimer_->stop();
        document()->setUndoRedoEnabled(true);
    }
}

void PlainTextBox::completeText()
{
    while (portionTimer_->isActive())
        showNextPortion();
}

qsizetype PlainTextBox::portionEnd(qsizetype start, qsizetype size) const
{
    const qsizetype length = textAsSet_.size();
    if (length - start <= size)
        return length;
    // After the first line end from there, both characters of a CR LF included.
    for (qsizetype index = start + size; index < length; ++index) {
        if (const qsizetype lineEnd = lineEndLength(textAsSet_, index))
            return index + lineEnd;
    }
    return length;
}

bool PlainTextBox::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::InputMethod:
    case QEvent::ContextMenu:
        completeText();
        break;
    default:
        break;
    }
    return QPlainTextEdit::event(event);
}

bool PlainTextBox::viewportEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::DragEnter:
    case QEvent::Drop:
    case QEvent::ContextMenu:
        completeText();
        break;
    default:
        break;
    }
    return QPlainTextEdit::viewportEvent(event);
}

void PlainTextBox::keyPressEvent(QKeyEvent* event)
{
    // Enter, with Shift too, starts a line with the text's own line end rather than Qt's
    // paragraph or line separator.
    if (!isReadOnly()
        && (event->matches(QKeySequence::InsertParagraphSeparator) || event->matches(QKeySequence::InsertLineSeparator))) {
        replaceSelection(lineEnd_);
        ensureCursorVisible();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void PlainTextBox::selectWholeText()
{
    completeText();
    selectAll();
}

QString PlainTextBox::text() const
{
    if (!document()->isModified())
        return textAsSet_;
    return withLineEnds(document()->toRawText(), document()->begin());
}

QString PlainTextBox::selectedText() const
{
    const QTextCursor cursor = textCursor();
    return withLineEnds(cursor.selectedText(), document()->findBlock(cursor.selectionStart()));
}

void PlainTextBox::pasteClipboardText()
{
    completeText();
    replaceSelection(QGuiApplication::clipboard()->text());
}

void PlainTextBox::deleteSelection()
{
    completeText();
    replaceSelection(QString());
}

QMimeData* PlainTextBox::createMimeDataFromSelection() const
{
    auto* data = new QMimeData;
    data->setText(selectedText());
    return data;
}

void PlainTextBox::insertFromMimeData(const QMimeData* source)
{
    // A paste or a drop: the text's own line ends go in with it.
    if (isReadOnly() || !source->hasText())
        return;
    replaceSelection(source->text());
    ensureCursorVisible();
}

QString PlainTextBox::withLineEnds(const QString& shown, QTextBlock block) const
{
    // The document's raw text shows every break as U+2029, the break before the next block, and
    // keeps no-break spaces as they are.
    QString exact;
    exact.reserve(shown.size());
    qsizetype lineStart = 0;
    for (qsizetype index = shown.indexOf(QChar::ParagraphSeparator); index >= 0;
         index = shown.indexOf(QChar::ParagraphSeparator, lineStart)) {
        exact += QStringView(shown).sliced(lineStart, index - lineStart);
        block = block.next();
        exact += lineEndBefore(block);
        lineStart = index + 1;
    }
    exact += QStringView(shown).sliced(lineStart);
    return exact;
}

QString PlainTextBox::lineEndBefore(const QTextBlock& block) const
{
    // A block's character format is the one of the break before it.
    const QVariant lineEnd = block.charFormat().property(lineEndProperty);
    return lineEnd.isValid() ? lineEnd.toString() : lineEnd_;
}

void PlainTextBox::insertExactText(QTextCursor& cursor, QStringView text)
{
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    // QTextCursor::insertText gives every break it makes the format it is given, so the text
    // goes in as runs that end with one kind of line end each: a uniform text in one call.
    qsizetype runStart = 0;
    qsizetype runEnd = 0;
    QStringView runLineEnd;
    for (qsizetype index = 0; index < text.size();) {
        const qsizetype length = lineEndLength(text, index);
        if (length == 0) {
            ++index;
            continue;
        }
        const QStringView lineEnd = text.sliced(index, length);
        if (lineEnd != runLineEnd && !runLineEnd.isEmpty()) {
            insertRun(cursor, text.sliced(runStart, runEnd - runStart), runLineEnd);
            runStart = runEnd;
        }
        runLineEnd = lineEnd;
        index += length;
        runEnd = index;
    }
    insertRun(cursor, text.sliced(runStart), runLineEnd);
    cursor.endEditBlock();
}

void PlainTextBox::insertRun(QTextCursor& cursor, QStringView run, QStringView lineEnd)
{
    // The run's characters carry the mark of its breaks too; only a break's mark is read.
    QTextCharFormat format = cursor.charFormat();
    if (lineEnd.isEmpty() || lineEnd == lineEnd_)
        format.clearProperty(lineEndProperty);
    else
        format.setProperty(lineEndProperty, lineEnd.toString());
    cursor.insertText(run.toString(), format);
}

void PlainTextBox::replaceSelection(const QString& text)
{
    QTextCursor cursor = textCursor();
    insertExactText(cursor, text);
    setTextCursor(cursor);
}

} // namespace quorvelle::ui
