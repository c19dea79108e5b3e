// A view of a long text, painted from its code page 1252 bytes where it is seen.
#pragma once

#include "core/text/text_lines.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>

#include <memory>
#include <optional>
#include <string>
#include <utility>

class QTextLayout;
class QTimer;

namespace quorvelle::ui {

/// Shows a text of any length from its code page 1252 bytes, shared and never copied: only the
/// lines in sight are decoded and laid out, so that a text of a hundred megabytes costs no more
/// than its bytes and the index of its lines (see TextLines), which is built a stretch at a time
/// in the turns of the event loop. Lines are not wrapped. Each byte is one character, so offsets
/// are the same in the bytes and in the text as a QString.
///
/// The user reads it as a text box: the caret, selection by mouse and keyboard, copy and
/// Ctrl+A; screen readers read it as an editable text (see TextViewAccessible). The view itself
/// does not edit: a key or an input that would edit the text is offered through editRequested,
/// whose listener may make the text editable elsewhere and send the event on there.
class TextView final : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TextView(QWidget* parent);

    /// Shows text, the caret at its start; null shows none.
    void setText(std::shared_ptr<const std::string> text);
    const std::shared_ptr<const std::string>& text() const { return text_; }
    qsizetype size() const { return text_ ? static_cast<qsizetype>(text_->size()) : 0; }
    /// The characters from start to end.
    QString textBetween(qsizetype start, qsizetype end) const;

    /// When read-only, what would edit the text is not even offered.
    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }
    bool isReadOnly() const { return readOnly_; }
    /// Whether Tab moves the focus on, as in a listing, rather than asking to type a tab.
    void setTabChangesFocus(bool changesFocus) { tabChangesFocus_ = changesFocus; }

    qsizetype caret() const { return caret_; }
    qsizetype anchor() const { return anchor_; }
    /// The selection's start and end, equal when nothing is selected.
    std::pair<qsizetype, qsizetype> selection() const;
    QString selectedText() const;
    /// Selects from anchor to caret, or puts the caret there when they are equal, and scrolls
    /// the caret into sight. An offset inside a line end stands for the end of its line.
    void select(qsizetype anchor, qsizetype caret);
    /// Puts the caret before the character at offset and scrolls its line to the top.
    void showCharacterAt(qsizetype offset);
    /// Selects the characters from start to end and scrolls them to the middle.
    void selectCharacters(qsizetype start, qsizetype end);
    /// Scrolls the line of offset to the middle of the view, the caret where it is.
    void centreLineOf(qsizetype offset);
    void selectWholeText();
    /// Puts the selected text on the clipboard, if any is selected.
    void copy() const;

    /// The word around offset, from its first character to past its last; an offset on no
    /// word gives its character alone.
    std::pair<qsizetype, qsizetype> wordAt(qsizetype offset) const;
    /// The line around offset, from its first character to past its line end.
    std::pair<qsizetype, qsizetype> lineAt(qsizetype offset) const;
    /// Where the character at offset is painted, in the viewport's coordinates.
    QRect characterRect(qsizetype offset) const;
    /// The offset of the character under a point of the viewport.
    qsizetype offsetAt(QPoint point) const;
    /// The first line in sight.
    qsizetype firstVisibleLine() const;

signals:
    /// A key or an input method's event would edit the text. Who listens may make the text
    /// editable and send the event there; the view does nothing with it.
    void editRequested(QEvent* event);
    /// The user asked to see a line in context, as in PlainTextBox: "Voir en contexte" in the
    /// context menu, or Ctrl+Entrée on the caret's line (offered only when something listens).
    void lineActivated(const QString& line);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    enum class Move {
        NextCharacter,
        PreviousCharacter,
        NextWord,
        PreviousWord,
        NextLine,
        PreviousLine,
        NextPage,
        PreviousPage,
        StartOfLine,
        EndOfLine,
        StartOfText,
        EndOfText
    };
    /// The caret's move a key asks for, and whether it extends the selection.
    static std::optional<std::pair<Move, bool>> moveOf(const QKeyEvent* event);
    static bool editsText(const QKeyEvent* event);
    bool offersLinesInContext() const;
    qsizetype movedCaret(Move move) const;
    /// Moves the caret, the anchor with it unless the selection is extended.
    void moveCaret(qsizetype offset, bool extend);

    /// The lines, found at least as far as the line that holds offset and the one after it.
    const TextLines& linesThrough(qsizetype offset) const;
    void indexNextStretch();
    qsizetype lineOf(qsizetype offset) const;
    // The index's figures as the widget counts: lines found so far, where a line starts, where
    // its characters end, where the next one starts.
    qsizetype lineCount() const { return static_cast<qsizetype>(lines_.count()); }
    qsizetype lineStart(qsizetype line) const
    {
        return static_cast<qsizetype>(lines_.start(static_cast<std::size_t>(line)));
    }
    qsizetype lineEnd(qsizetype line) const
    {
        return static_cast<qsizetype>(lines_.contentEnd(static_cast<std::size_t>(line)));
    }
    qsizetype nextLineStart(qsizetype line) const
    {
        return static_cast<qsizetype>(lines_.end(static_cast<std::size_t>(line)));
    }
    QString lineText(qsizetype line) const;
    void layOut(QTextLayout& layout, qsizetype line) const;
    int lineHeight() const;
    int linesInSight() const;
    QPoint lineOrigin(qsizetype line) const;
    void updateScrollRanges();
    void ensureCaretVisible();
    void restartCaretBlink();
    void tellCaretMoved(bool selectionChanged);

    std::shared_ptr<const std::string> text_;
    mutable TextLines lines_; // the index is found as far as it is needed
    qsizetype caret_ = 0;
    qsizetype anchor_ = 0;
    int preferredX_ = -1; // where up and down keep the caret, once it moved across
    int widestLine_ = 0;  // in pixels, among the lines measured so far
    bool readOnly_ = false;
    bool tabChangesFocus_ = false;
    bool caretShown_ = false;
    QBasicTimer caretBlink_;
    QTimer* indexing_;
};

} // namespace quorvelle::ui
