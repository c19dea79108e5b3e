// Plain text with its line ends kept, and the Edition commands on it.
#include "ui/PlainTextBox.h"

#include "ui/cp1252_text.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMetaMethod>
#include <QMimeData>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <optional>

namespace quorvelle::ui {
namespace {

const QString crLf = QStringLiteral("\r\n");

// What a window shows at once, a few thousand lines of a listing, and what each later turn of
// the event loop adds, some 20 ms of work.
constexpr qsizetype firstPortionSize = 128 * 1024;
constexpr qsizetype portionSize = 256 * 1024;

// Qt lays a paragraph out whole: a text of megabytes on one line would take seconds to show.
// Longer lines are shown as several paragraphs, whose breaks stand for no character.
constexpr qsizetype longestShownLine = 4096;

// The line end a paragraph break stands for, on the character format of the break; a break
// without it stands for the text's own line end.
constexpr int lineEndProperty = QTextFormat::UserProperty;

// The key that shows the line under the caret in context, where the box offers it.
const QKeySequence lineInContextKey(Qt::CTRL | Qt::Key_Return);

// Besides the line ends, QTextCursor::insertText breaks a paragraph at these characters.
constexpr char16_t frameStart = 0xFDD0;
constexpr char16_t frameEnd = 0xFDD1;

QStringView viewOf(const QString& text)
{
    return text;
}

std::string_view viewOf(const std::shared_ptr<const std::string>& text)
{
    return *text;
}

char16_t codeAt(QStringView text, qsizetype index)
{
    return text[index].unicode();
}

// Code page 1252 has its line ends where UTF-16 has them, and none of the other breaks.
char16_t codeAt(std::string_view text, qsizetype index)
{
    return static_cast<unsigned char>(text[static_cast<std::size_t>(index)]);
}

// How many characters from index make one paragraph break once inserted in a document: two
// for CR LF, one for a lone CR or LF, none for any other character.
template <class Text>
qsizetype lineEndLength(Text text, qsizetype index)
{
    const auto size = static_cast<qsizetype>(text.size());
    switch (codeAt(text, index)) {
    case u'\r':
        return index + 1 < size && codeAt(text, index + 1) == u'\n' ? 2 : 1;
    case u'\n':
    case QChar::ParagraphSeparator:
    case frameStart:
    case frameEnd:
        return 1;
    default:
        return 0;
    }
}

template <class Text>
QString firstLineEnd(Text text)
{
    const auto size = static_cast<qsizetype>(text.size());
    for (qsizetype index = 0; index < size; ++index) {
        if (codeAt(text, index) == u'\n')
            return QStringLiteral("\n");
        if (codeAt(text, index) == u'\r')
            return lineEndLength(text, index) == 2 ? crLf : QStringLiteral("\r");
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
    connect(document(), &QTextDocument::contentsChanged, this, [this] {
        if (!showingText_)
            emit edited();
    });
}

void PlainTextBox::setText(const QString& text)
{
    lineEnd_ = firstLineEnd(QStringView(text));
    textAsSet_ = text;
    showFirstPortion();
    emit textSet();
}

void PlainTextBox::setCp1252Text(std::shared_ptr<const std::string> text)
{
    lineEnd_ = firstLineEnd(std::string_view(*text));
    textAsSet_ = std::move(text);
    showFirstPortion();
    emit textSet();
}

std::shared_ptr<const std::string> PlainTextBox::unmodifiedCp1252Text() const
{
    const auto* bytes = std::get_if<std::shared_ptr<const std::string>>(&textAsSet_);
    return document()->isModified() || !bytes ? nullptr : *bytes;
}

qsizetype PlainTextBox::sizeAsSet() const
{
    return std::visit([](const auto& text) { return static_cast<qsizetype>(viewOf(text).size()); }, textAsSet_);
}

QString PlainTextBox::sliceAsSet(qsizetype start, qsizetype end) const
{
    if (const auto* bytes = std::get_if<std::shared_ptr<const std::string>>(&textAsSet_))
        return fromCp1252(
            std::string_view(**bytes).substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start)));
    return std::get<QString>(textAsSet_).sliced(start, end - start);
}

void PlainTextBox::showFirstPortion()
{
    const QScopedValueRollback showing(showingText_, true);
    portionTimer_->stop();
    shown_ = portionEnd(0, firstPortionSize);
    setPlainText(QString());
    // Neither the text nor the portions added later are edits the user could undo.
    document()->setUndoRedoEnabled(false);
    QTextCursor cursor(document());
    insertExactText(cursor, sliceAsSet(0, shown_));
    moveCursor(QTextCursor::Start);
    document()->setModified(false);
    if (shown_ < sizeAsSet())
        portionTimer_->start();
    else
        document()->setUndoRedoEnabled(true);
}

void PlainTextBox::showNextPortion()
{
    const QScopedValueRollback showing(showingText_, true);
    const qsizetype end = portionEnd(shown_, portionSize);
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    insertExactText(cursor, sliceAsSet(shown_, end));
    document()->setModified(false);
    shown_ = end;
    if (shown_ == sizeAsSet()) {
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
    const qsizetype length = sizeAsSet();
    if (length - start <= size)
        return length;
    return std::visit([&](const auto& text) { return portionEnd(viewOf(text), start, size); }, textAsSet_);
}

template <class Text>
qsizetype PlainTextBox::portionEnd(Text text, qsizetype start, qsizetype size)
{
    const auto length = static_cast<qsizetype>(text.size());
    // After the first line end from there, both characters of a CR LF included; in a long line,
    // anywhere: the next portion goes on with the same line.
    const qsizetype searchEnd = std::min(length, start + size + longestShownLine);
    for (qsizetype index = start + size; index < searchEnd; ++index) {
        if (const qsizetype lineEnd = lineEndLength(text, index))
            return index + lineEnd;
    }
    return start + size;
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

void PlainTextBox::contextMenuEvent(QContextMenuEvent* event)
{
    const std::unique_ptr<QMenu> menu(createStandardContextMenu(event->pos()));
    if (offersLinesInContext()) {
        const QString line = cursorForPosition(event->pos()).block().text();
        menu->addSeparator();
        QAction* inContext = menu->addAction(tr("Voir en contexte"));
        inContext->setObjectName(QStringLiteral("contexte"));
        inContext->setShortcut(lineInContextKey);
        connect(inContext, &QAction::triggered, this, [this, line] { emit lineActivated(line); });
    }
    menu->exec(event->globalPos());
}

bool PlainTextBox::offersLinesInContext() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&PlainTextBox::lineActivated));
}

void PlainTextBox::keyPressEvent(QKeyEvent* event)
{
    // QPlainTextEdit keeps the focus while Tab types a tab: the focus moves on as any widget's.
    if ((event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
        && event->modifiers().testFlag(Qt::ControlModifier)) {
        QWidget::focusNextPrevChild(event->key() == Qt::Key_Tab && !event->modifiers().testFlag(Qt::ShiftModifier));
        return;
    }
    if (offersLinesInContext() && QKeySequence(event->keyCombination()) == lineInContextKey) {
        emit lineActivated(textCursor().block().text());
        return;
    }
    // Enter, with Shift too, starts a line with the text's own line end rather than Qt's
    // paragraph or line separator.
    if (!isReadOnly()
        && (event->matches(QKeySequence::InsertParagraphSeparator)
            || event->matches(QKeySequence::InsertLineSeparator))) {
        replaceSelection(lineEnd_);
        ensureCursorVisible();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

int PlainTextBox::documentPosition(qsizetype offset) const
{
    // Each block stands for its characters and for the line end of the break after it, which
    // a cut of a long line has none of.
    qsizetype blockStart = 0;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        const qsizetype shown = block.length() - 1;
        const QTextBlock next = block.next();
        const qsizetype blockEnd = blockStart + shown + (next.isValid() ? lineEndBefore(next).size() : 0);
        if (offset < blockEnd || !next.isValid())
            return block.position() + static_cast<int>(std::clamp<qsizetype>(offset - blockStart, 0, shown));
        blockStart = blockEnd;
    }
    return 0;
}

void PlainTextBox::showCharacterAt(qsizetype offset)
{
    completeText();
    QTextCursor cursor(document());
    cursor.setPosition(documentPosition(offset));
    setTextCursor(cursor);
    // The line at the top of the box, so that what follows it shows.
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    ensureCursorVisible();
}

void PlainTextBox::selectCharacters(qsizetype start, qsizetype end)
{
    completeText();
    QTextCursor cursor(document());
    cursor.setPosition(documentPosition(start));
    cursor.setPosition(documentPosition(end), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    centerCursor();
}

void PlainTextBox::selectWholeText()
{
    completeText();
    selectAll();
}

QString PlainTextBox::text() const
{
    if (!document()->isModified()) {
        if (const auto* bytes = std::get_if<std::shared_ptr<const std::string>>(&textAsSet_))
            return fromCp1252(**bytes);
        return std::get<QString>(textAsSet_);
    }
    return withLineEnds(document()->toRawText(), document()->begin());
}

bool PlainTextBox::isEdited() const
{
    return document()->isModified();
}

void PlainTextBox::markSaved()
{
    // What text() gives back for an unmodified document.
    textAsSet_ = text();
    document()->setModified(false);
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

bool PlainTextBox::canInsertFromMimeData(const QMimeData* source) const
{
    return !source->hasUrls() && QPlainTextEdit::canInsertFromMimeData(source);
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
    // goes in as runs of lines that end with one kind of break each: a uniform text in one
    // call. A line longer than longestShownLine is cut, after a blank where there is one, by
    // breaks that stand for no character.
    QString run;
    std::optional<Break> runBreak; // the kind of the run's breaks, once it has one
    const auto addLine = [&](QStringView line, Break lineBreak) {
        if (runBreak && *runBreak != lineBreak) {
            insertRun(cursor, run, *runBreak);
            run.clear();
        }
        run += line;
        runBreak = lineBreak;
    };
    qsizetype pieceStart = 0;
    qsizetype lineStart = -cursor.positionInBlock(); // the line may have begun before the text
    for (qsizetype index = 0; index < text.size();) {
        if (const qsizetype length = lineEndLength(text, index)) {
            index += length;
            addLine(text.sliced(pieceStart, index - pieceStart), {text.sliced(index - length, length), false});
            pieceStart = lineStart = index;
        } else if (index - lineStart >= longestShownLine) {
            const qsizetype blank = text.sliced(pieceStart, index - pieceStart).lastIndexOf(u' ');
            const qsizetype cut = blank >= 0 ? pieceStart + blank + 1 : index;
            addLine(text.sliced(pieceStart, cut - pieceStart), {{}, true});
            run += QChar::ParagraphSeparator;
            pieceStart = lineStart = cut;
        } else {
            ++index;
        }
    }
    run += text.sliced(pieceStart);
    insertRun(cursor, run, runBreak.value_or(Break{}));
    cursor.endEditBlock();
}

void PlainTextBox::insertRun(QTextCursor& cursor, const QString& run, const Break& runBreak)
{
    // The run's characters carry the mark of its breaks too; only a break's mark is read.
    QTextCharFormat format = cursor.charFormat();
    if (runBreak.cut)
        format.setProperty(lineEndProperty, QString());
    else if (runBreak.lineEnd.isEmpty() || runBreak.lineEnd == lineEnd_)
        format.clearProperty(lineEndProperty);
    else
        format.setProperty(lineEndProperty, runBreak.lineEnd.toString());
    cursor.insertText(run, format);
}

void PlainTextBox::replaceSelection(const QString& text)
{
    QTextCursor cursor = textCursor();
    insertExactText(cursor, text);
    setTextCursor(cursor);
}

} // namespace quorvelle::ui
