// Plain text with its line ends kept, and the Edition commands on it.
#include "ui/PlainTextBox.h"

#include <QClipboard>
#include <QGuiApplication>
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

bool isLineEnd(QChar character)
{
    return character == u'\n' || character == u'\r';
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
    setPlainText(shown_ == text.size() ? text : text.first(shown_));
    document()->setModified(false);
    if (shown_ < text.size()) {
        // The portions added later are not edits the user could undo.
        document()->setUndoRedoEnabled(false);
        portionTimer_->start();
    }
}

void PlainTextBox::showNextPortion()
{
    const qsizetype end = portionEnd(shown_, portionSize);
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(textAsSet_.sliced(shown_, end - shown_));
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
        if (!isLineEnd(textAsSet_.at(index)))
            continue;
        const bool crLfPair = textAsSet_.at(index) == u'\r' && index + 1 < length && textAsSet_.at(index + 1) == u'\n';
        return index + (crLfPair ? 2 : 1);
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

void PlainTextBox::selectWholeText()
{
    completeText();
    selectAll();
}

QString PlainTextBox::text() const
{
    if (!document()->isModified())
        return textAsSet_;
    return withLineEnds(document()->toRawText());
}

QString PlainTextBox::selectedText() const
{
    return withLineEnds(textCursor().selectedText());
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

QString PlainTextBox::withLineEnds(QString text) const
{
    // The document separates lines with U+2029; the raw text keeps no-break spaces as they are.
    return text.replace(QChar::ParagraphSeparator, lineEnd_);
}

void PlainTextBox::replaceSelection(const QString& text)
{
    QTextCursor cursor = textCursor();
    cursor.insertText(text);
    setTextCursor(cursor);
}

} // namespace quorvelle::ui
