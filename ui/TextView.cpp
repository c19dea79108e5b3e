// Painting a long text line by line, and reading it with the caret and the selection.
#include "ui/TextView.h"

#include "ui/TextViewAccessible.h"
#include "ui/cp1252_text.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMetaMethod>
#include <QPainter>
#include <QScrollBar>
#include <QStyleHints>
#include <QTextLayout>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cmath>

namespace quorvelle::ui {
namespace {

// Around the text, as a plain text box leaves it.
constexpr int margin = 4;
constexpr qreal tabStopDistance = 80;
// What the view indexes at once, and in each later turn of the event loop: a few milliseconds.
constexpr std::size_t indexStretch = 4 * 1024 * 1024;
// The key that shows the line under the caret in context, where the view offers it.
const QKeySequence lineInContextKey(Qt::CTRL | Qt::Key_Return);

std::size_t unsignedOffset(qsizetype offset)
{
    return static_cast<std::size_t>(std::max<qsizetype>(offset, 0));
}

bool isWordCharacter(QChar character)
{
    return character.isLetterOrNumber() || character == u'_';
}

} // namespace

TextView::TextView(QWidget* parent)
    : QAbstractScrollArea(parent)
    , indexing_(new QTimer(this))
{
    TextViewAccessible::installFactory();
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setCursor(Qt::IBeamCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    indexing_->setInterval(0);
    connect(indexing_, &QTimer::timeout, this, &TextView::indexNextStretch);
}

void TextView::setText(std::shared_ptr<const std::string> text)
{
    text_ = std::move(text);
    lines_ = text_ ? TextLines(*text_) : TextLines();
    caret_ = anchor_ = 0;
    preferredX_ = -1;
    widestLine_ = 0;
    indexing_->stop();
    indexNextStretch();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    viewport()->update();
    tellCaretMoved(true);
}

void TextView::indexNextStretch()
{
    if (!text_) {
        lines_.indexUpTo(0);
        return;
    }
    const std::size_t longest = lines_.longestLine();
    lines_.indexFurther(indexStretch);
    if (lines_.complete())
        indexing_->stop();
    else if (!indexing_->isActive())
        indexing_->start();
    if (lines_.longestLine() != longest || widestLine_ == 0) {
        QTextLayout layout;
        layOut(layout, static_cast<qsizetype>(lines_.longestLine()));
        widestLine_ = std::max(widestLine_, static_cast<int>(std::ceil(layout.lineAt(0).naturalTextWidth())));
    }
    updateScrollRanges();
}

const TextLines& TextView::linesThrough(qsizetype offset) const
{
    lines_.indexUpTo(unsignedOffset(offset) + 1);
    return lines_;
}

qsizetype TextView::lineOf(qsizetype offset) const
{
    return static_cast<qsizetype>(linesThrough(offset).lineOf(unsignedOffset(offset)));
}

QString TextView::lineText(qsizetype line) const
{
    return textBetween(lineStart(line), lineEnd(line));
}

QString TextView::textBetween(qsizetype start, qsizetype end) const
{
    if (!text_ || end <= start)
        return {};
    return fromCp1252(std::string_view(*text_).substr(unsignedOffset(start), unsignedOffset(end - start)));
}

void TextView::layOut(QTextLayout& layout, qsizetype line) const
{
    layout.setText(lineText(line));
    layout.setFont(font());
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setTabStopDistance(tabStopDistance);
    layout.setTextOption(option);
    layout.setCacheEnabled(true);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
}

int TextView::lineHeight() const
{
    return std::max(1, fontMetrics().lineSpacing());
}

int TextView::linesInSight() const
{
    return std::max(1, (viewport()->height() - margin) / lineHeight());
}

qsizetype TextView::firstVisibleLine() const
{
    return verticalScrollBar()->value();
}

QPoint TextView::lineOrigin(qsizetype line) const
{
    return {margin - horizontalScrollBar()->value(),
            margin + static_cast<int>(line - firstVisibleLine()) * lineHeight()};
}

void TextView::updateScrollRanges()
{
    const int inSight = linesInSight();
    verticalScrollBar()->setRange(0, static_cast<int>(std::max<qsizetype>(0, lineCount() - inSight)));
    verticalScrollBar()->setPageStep(inSight);
    verticalScrollBar()->setSingleStep(1);
    const int width = viewport()->width();
    horizontalScrollBar()->setRange(0, std::max(0, widestLine_ + 2 * margin - width));
    horizontalScrollBar()->setPageStep(width);
    horizontalScrollBar()->setSingleStep(fontMetrics().averageCharWidth());
}

void TextView::paintEvent(QPaintEvent*)
{
    if (!text_)
        return;
    QPainter painter(viewport());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    const qsizetype first = firstVisibleLine();
    const auto last = std::min<qsizetype>(first + linesInSight() + 2, lineCount());
    const auto [selectionStart, selectionEnd] = selection();
    QTextLayout::FormatRange selected;
    selected.format.setBackground(palette().brush(QPalette::Highlight));
    selected.format.setForeground(palette().brush(QPalette::HighlightedText));
    int widest = widestLine_;
    for (qsizetype line = first; line < last; ++line) {
        const qsizetype start = lineStart(line);
        const qsizetype end = lineEnd(line);
        QTextLayout layout;
        layOut(layout, line);
        QList<QTextLayout::FormatRange> ranges;
        if (selectionStart < selectionEnd && selectionStart <= end && selectionEnd > start) {
            selected.start = static_cast<int>(std::max(selectionStart, start) - start);
            selected.length = static_cast<int>(std::min(selectionEnd, end) - start) - selected.start;
            ranges << selected;
        }
        const QPoint origin = lineOrigin(line);
        layout.draw(&painter, origin, ranges);
        if (caretShown_ && caret_ >= start && caret_ <= end)
            layout.drawCursor(&painter, origin, static_cast<int>(caret_ - start));
        widest = std::max(widest, static_cast<int>(std::ceil(layout.lineAt(0).naturalTextWidth())));
    }
    if (widest > widestLine_) {
        widestLine_ = widest;
        QMetaObject::invokeMethod(this, &TextView::updateScrollRanges, Qt::QueuedConnection);
    }
}

void TextView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRanges();
}

void TextView::scrollContentsBy(int, int)
{
    viewport()->update();
}

void TextView::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        widestLine_ = 0;
        if (text_)
            indexNextStretch();
    }
}

std::pair<qsizetype, qsizetype> TextView::selection() const
{
    return std::minmax(anchor_, caret_);
}

QString TextView::selectedText() const
{
    const auto [start, end] = selection();
    return textBetween(start, end);
}

void TextView::select(qsizetype anchor, qsizetype caret)
{
    // An offset inside a line end stands for the end of its line.
    const auto placed = [this](qsizetype offset) {
        offset = std::clamp<qsizetype>(offset, 0, size());
        return std::min(offset, lineEnd(lineOf(offset)));
    };
    const qsizetype oldAnchor = anchor_;
    const qsizetype oldCaret = caret_;
    anchor_ = placed(anchor);
    caret_ = placed(caret);
    ensureCaretVisible();
    restartCaretBlink();
    viewport()->update();
    if (anchor_ != oldAnchor || caret_ != oldCaret)
        tellCaretMoved(anchor_ != oldAnchor || anchor_ != caret_ || oldAnchor != oldCaret);
}

void TextView::moveCaret(qsizetype offset, bool extend)
{
    select(extend ? anchor_ : offset, offset);
}

void TextView::showCharacterAt(qsizetype offset)
{
    select(offset, offset);
    verticalScrollBar()->setValue(static_cast<int>(lineOf(caret_)));
}

void TextView::selectCharacters(qsizetype start, qsizetype end)
{
    select(start, end);
    centreLineOf(caret_);
}

void TextView::centreLineOf(qsizetype offset)
{
    verticalScrollBar()->setValue(static_cast<int>(lineOf(offset) - linesInSight() / 2));
}

void TextView::selectWholeText()
{
    lines_.indexUpTo(unsignedOffset(size()));
    updateScrollRanges();
    select(0, size());
}

void TextView::copy() const
{
    if (anchor_ != caret_)
        QApplication::clipboard()->setText(selectedText());
}

void TextView::ensureCaretVisible()
{
    const qsizetype line = lineOf(caret_);
    updateScrollRanges();
    QScrollBar* vertical = verticalScrollBar();
    if (line < vertical->value())
        vertical->setValue(static_cast<int>(line));
    else if (line >= vertical->value() + linesInSight())
        vertical->setValue(static_cast<int>(line - linesInSight() + 1));
    const int x = characterRect(caret_).x() + horizontalScrollBar()->value() - margin;
    QScrollBar* horizontal = horizontalScrollBar();
    const int width = viewport()->width() - 2 * margin;
    if (x < horizontal->value())
        horizontal->setValue(x);
    else if (x >= horizontal->value() + width)
        horizontal->setValue(x - width + 1);
}

QRect TextView::characterRect(qsizetype offset) const
{
    if (!text_)
        return {};
    const qsizetype line = lineOf(offset);
    QTextLayout layout;
    layOut(layout, line);
    const auto column = static_cast<int>(offset - lineStart(line));
    const QTextLine laidOut = layout.lineAt(0);
    const int x = static_cast<int>(laidOut.cursorToX(column));
    const int next = static_cast<int>(laidOut.cursorToX(std::min(column + 1, static_cast<int>(layout.text().size()))));
    const QPoint origin = lineOrigin(line);
    return {origin.x() + x, origin.y(), std::max(1, next - x), lineHeight()};
}

qsizetype TextView::offsetAt(QPoint point) const
{
    if (!text_)
        return 0;
    const qsizetype line =
        std::clamp<qsizetype>(firstVisibleLine() + (point.y() - margin) / lineHeight(), 0, lineCount() - 1);
    QTextLayout layout;
    layOut(layout, line);
    const int column = layout.lineAt(0).xToCursor(point.x() - lineOrigin(line).x());
    return lineStart(line) + column;
}

std::pair<qsizetype, qsizetype> TextView::wordAt(qsizetype offset) const
{
    if (offset >= size())
        return {size(), size()};
    const qsizetype line = lineOf(offset);
    const qsizetype shownStart = lineStart(line);
    const QString shown = lineText(line);
    qsizetype start = offset - shownStart;
    qsizetype end = start;
    while (start > 0 && isWordCharacter(shown[start - 1]))
        --start;
    while (end < shown.size() && isWordCharacter(shown[end]))
        ++end;
    if (start == end)
        return {offset, offset + 1};
    return {shownStart + start, shownStart + end};
}

std::pair<qsizetype, qsizetype> TextView::lineAt(qsizetype offset) const
{
    const qsizetype line = lineOf(offset);
    return {lineStart(line), nextLineStart(line)};
}

std::optional<std::pair<TextView::Move, bool>> TextView::moveOf(const QKeyEvent* event)
{
    struct KeyMove {
        QKeySequence::StandardKey key;
        Move move;
        bool extend;
    };
    static constexpr std::array keyMoves{
        KeyMove{QKeySequence::MoveToNextChar, Move::NextCharacter, false},
        KeyMove{QKeySequence::SelectNextChar, Move::NextCharacter, true},
        KeyMove{QKeySequence::MoveToPreviousChar, Move::PreviousCharacter, false},
        KeyMove{QKeySequence::SelectPreviousChar, Move::PreviousCharacter, true},
        KeyMove{QKeySequence::MoveToNextWord, Move::NextWord, false},
        KeyMove{QKeySequence::SelectNextWord, Move::NextWord, true},
        KeyMove{QKeySequence::MoveToPreviousWord, Move::PreviousWord, false},
        KeyMove{QKeySequence::SelectPreviousWord, Move::PreviousWord, true},
        KeyMove{QKeySequence::MoveToNextLine, Move::NextLine, false},
        KeyMove{QKeySequence::SelectNextLine, Move::NextLine, true},
        KeyMove{QKeySequence::MoveToPreviousLine, Move::PreviousLine, false},
        KeyMove{QKeySequence::SelectPreviousLine, Move::PreviousLine, true},
        KeyMove{QKeySequence::MoveToNextPage, Move::NextPage, false},
        KeyMove{QKeySequence::SelectNextPage, Move::NextPage, true},
        KeyMove{QKeySequence::MoveToPreviousPage, Move::PreviousPage, false},
        KeyMove{QKeySequence::SelectPreviousPage, Move::PreviousPage, true},
        KeyMove{QKeySequence::MoveToStartOfLine, Move::StartOfLine, false},
        KeyMove{QKeySequence::SelectStartOfLine, Move::StartOfLine, true},
        KeyMove{QKeySequence::MoveToEndOfLine, Move::EndOfLine, false},
        KeyMove{QKeySequence::SelectEndOfLine, Move::EndOfLine, true},
        KeyMove{QKeySequence::MoveToStartOfDocument, Move::StartOfText, false},
        KeyMove{QKeySequence::SelectStartOfDocument, Move::StartOfText, true},
        KeyMove{QKeySequence::MoveToEndOfDocument, Move::EndOfText, false},
        KeyMove{QKeySequence::SelectEndOfDocument, Move::EndOfText, true},
    };
    for (const KeyMove& keyMove : keyMoves) {
        if (event->matches(keyMove.key))
            return std::pair{keyMove.move, keyMove.extend};
    }
    return std::nullopt;
}

bool TextView::editsText(const QKeyEvent* event)
{
    static constexpr std::array editKeys{
        QKeySequence::Paste,
        QKeySequence::Cut,
        QKeySequence::Delete,
        QKeySequence::Backspace,
        QKeySequence::DeleteStartOfWord,
        QKeySequence::DeleteEndOfWord,
        QKeySequence::DeleteEndOfLine,
        QKeySequence::InsertParagraphSeparator,
        QKeySequence::InsertLineSeparator,
    };
    if (std::any_of(editKeys.begin(), editKeys.end(), [event](auto key) { return event->matches(key); }))
        return true;
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete)
        return !modifiers.testFlag(Qt::ControlModifier);
    // Ctrl or Alt with a letter is a command or a menu's access key; AltGr, which some systems
    // tell as Ctrl+Alt, types.
    const bool command = modifiers.testFlag(Qt::ControlModifier) != modifiers.testFlag(Qt::AltModifier)
        || modifiers.testFlag(Qt::MetaModifier);
    return !command && !event->text().isEmpty() && event->text().front().isPrint();
}

qsizetype TextView::movedCaret(Move move) const
{
    const qsizetype line = lineOf(caret_);
    const qsizetype start = lineStart(line);
    const qsizetype end = lineEnd(line);
    linesThrough(nextLineStart(line));
    const qsizetype lastLine = lineCount() - 1;
    // The same place in another line, as far across as the caret was.
    const auto sameX = [&](qsizetype other) {
        other = std::clamp<qsizetype>(other, 0, lineCount() - 1);
        QTextLayout layout;
        layOut(layout, other);
        const int x = preferredX_ >= 0 ? preferredX_ : characterRect(caret_).x() - lineOrigin(line).x();
        return lineStart(other) + layout.lineAt(0).xToCursor(x);
    };
    QTextLayout layout;
    switch (move) {
    case Move::NextCharacter:
        return caret_ < end ? caret_ + 1 : line < lastLine ? lineStart(line + 1) : caret_;
    case Move::PreviousCharacter:
        return caret_ > start ? caret_ - 1 : line > 0 ? lineEnd(line - 1) : caret_;
    case Move::NextWord:
        if (caret_ == end)
            return line < lastLine ? lineStart(line + 1) : caret_;
        layOut(layout, line);
        return start + layout.nextCursorPosition(static_cast<int>(caret_ - start), QTextLayout::SkipWords);
    case Move::PreviousWord:
        if (caret_ == start)
            return line > 0 ? lineEnd(line - 1) : caret_;
        layOut(layout, line);
        return start + layout.previousCursorPosition(static_cast<int>(caret_ - start), QTextLayout::SkipWords);
    case Move::NextLine:
        return line < lastLine ? sameX(line + 1) : end;
    case Move::PreviousLine:
        return line > 0 ? sameX(line - 1) : start;
    case Move::NextPage:
        linesThrough(nextLineStart(line) + static_cast<qsizetype>(indexStretch));
        return sameX(line + linesInSight());
    case Move::PreviousPage:
        return sameX(line - linesInSight());
    case Move::StartOfLine:
        return start;
    case Move::EndOfLine:
        return end;
    case Move::StartOfText:
        return 0;
    case Move::EndOfText:
        return size();
    }
    return caret_;
}

bool TextView::event(QEvent* event)
{
    // The view's keys come to it before any shortcut of the window's menus.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (moveOf(key) || key->matches(QKeySequence::Copy) || key->matches(QKeySequence::SelectAll)
            || (!readOnly_ && editsText(key))) {
            event->accept();
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void TextView::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
        && (tabChangesFocus_ || event->modifiers().testFlag(Qt::ControlModifier))) {
        focusNextPrevChild(event->key() == Qt::Key_Tab && !event->modifiers().testFlag(Qt::ShiftModifier));
        return;
    }
    if (offersLinesInContext() && QKeySequence(event->keyCombination()) == lineInContextKey) {
        emit lineActivated(lineText(lineOf(caret_)));
        return;
    }
    if (const auto move = moveOf(event)) {
        const bool vertical = move->first == Move::NextLine || move->first == Move::PreviousLine
            || move->first == Move::NextPage || move->first == Move::PreviousPage;
        if (vertical && preferredX_ < 0)
            preferredX_ = characterRect(caret_).x() - lineOrigin(lineOf(caret_)).x();
        const qsizetype moved = movedCaret(move->first);
        const int keptX = preferredX_;
        moveCaret(moved, move->second);
        preferredX_ = vertical ? keptX : -1;
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        copy();
        return;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        selectWholeText();
        return;
    }
    if (!readOnly_ && editsText(event)) {
        emit editRequested(event);
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void TextView::inputMethodEvent(QInputMethodEvent* event)
{
    if (!readOnly_ && !event->commitString().isEmpty())
        emit editRequested(event);
}

void TextView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QAbstractScrollArea::mousePressEvent(event);
    preferredX_ = -1;
    moveCaret(offsetAt(event->position().toPoint()), event->modifiers().testFlag(Qt::ShiftModifier));
}

void TextView::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons().testFlag(Qt::LeftButton))
        moveCaret(offsetAt(event->position().toPoint()), true);
}

void TextView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const auto [start, end] = wordAt(offsetAt(event->position().toPoint()));
    select(start, end);
}

void TextView::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    QAction* copyAction = menu.addAction(tr("&Copier"), this, &TextView::copy);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setEnabled(anchor_ != caret_);
    menu.addSeparator();
    menu.addAction(tr("Tout &sélectionner"), this, &TextView::selectWholeText)->setShortcut(QKeySequence::SelectAll);
    if (offersLinesInContext()) {
        const QString line = lineText(lineOf(offsetAt(event->pos())));
        menu.addSeparator();
        QAction* inContext = menu.addAction(tr("Voir en contexte"), this, [this, line] { emit lineActivated(line); });
        inContext->setObjectName(QStringLiteral("contexte"));
        inContext->setShortcut(lineInContextKey);
    }
    menu.exec(event->globalPos());
}

bool TextView::offersLinesInContext() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&TextView::lineActivated));
}

void TextView::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    restartCaretBlink();
}

void TextView::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    caretBlink_.stop();
    caretShown_ = false;
    viewport()->update();
}

void TextView::restartCaretBlink()
{
    if (!hasFocus())
        return;
    caretShown_ = true;
    const int flashTime = QGuiApplication::styleHints()->cursorFlashTime();
    if (flashTime > 0)
        caretBlink_.start(flashTime / 2, this);
    viewport()->update();
}

void TextView::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != caretBlink_.timerId())
        return QAbstractScrollArea::timerEvent(event);
    caretShown_ = !caretShown_;
    viewport()->update(characterRect(caret_).adjusted(-1, 0, 1, 0));
}

void TextView::tellCaretMoved(bool selectionChanged)
{
    if (!QAccessible::isActive())
        return;
    if (selectionChanged) {
        const auto [start, end] = selection();
        QAccessibleTextSelectionEvent changed(this, static_cast<int>(start), static_cast<int>(end));
        changed.setCursorPosition(static_cast<int>(caret_));
        QAccessible::updateAccessibility(&changed);
    }
    QAccessibleTextCursorEvent moved(this, static_cast<int>(caret_));
    QAccessible::updateAccessibility(&moved);
}

} // namespace quorvelle::ui
