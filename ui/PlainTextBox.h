// A multi-line plain-text box that keeps every line end of the text put into it.
#pragma once

#include <QPlainTextEdit>
#include <QString>
#include <QStringView>

#include <memory>
#include <string>
#include <variant>

class QTextBlock;
class QTextCursor;
class QTimer;

namespace quorvelle::ui {

/// The program's text boxes: the main window's loaded text and each statistics window's
/// result text box. QPlainTextEdit turns every line end into a paragraph break; this box
/// remembers on each break the line end it stands for (CR LF, LF or CR), so that text() and
/// the clipboard give back exactly the characters the box holds, line ends of mixed kinds
/// included, before and after edits and undo. Pasted or dropped text keeps its own line ends;
/// Enter inserts the text's own line end (its first one, CR LF when it had none).
///
/// Tab types a tab, as in a text editor, unless tabChangesFocus is set (as in the result
/// boxes, see createResultFrame); Ctrl+Tab and Ctrl+Maj+Tab always move the focus on, so that
/// the keyboard never stays caught in the box.
///
/// A long text is shown in portions: setText shows its first lines at once, and the rest
/// follows in the next turns of the event loop, a portion at a time, so that the window
/// answers at once even for a listing of a hundred thousand lines. Everything that reads or
/// edits the shown text, the user's keys and clicks included, first completes it.
class PlainTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit PlainTextBox(QWidget* parent);

    /// Replaces the whole text; the undo history starts afresh.
    void setText(const QString& text);
    /// The same with a text in code page 1252, kept as its bytes: half the memory of a
    /// QString, for the megabytes of a loaded file; the bytes are shared, not copied.
    void setCp1252Text(std::shared_ptr<const std::string> text);
    /// The bytes setCp1252Text was given, while the text is unmodified; null otherwise.
    std::shared_ptr<const std::string> unmodifiedCp1252Text() const;
    /// The whole text, also while the box is still showing it in portions.
    QString text() const;
    /// The selected text, with its line ends.
    QString selectedText() const;

    /// True when the text was edited since it was put into the box or last marked saved (an
    /// edit undone is no edit).
    bool isEdited() const;
    /// The text as it now stands is the one saved: it is no longer edited, until the next edit
    /// or an undo past this point.
    void markSaved();

    /// Shows the rest of the text now, if the box is still showing it in portions.
    void completeText();
    /// Puts the caret before the character at offset in text() and scrolls its line to the top.
    void showCharacterAt(qsizetype offset);
    /// Selects the characters of text() from start to end and scrolls them to the middle of the box.
    void selectCharacters(qsizetype start, qsizetype end);
    /// Selects the whole text. (copy() needs nothing of its own: it goes through
    /// createMimeDataFromSelection and leaves the clipboard untouched when nothing is
    /// selected.)
    void selectWholeText();
    /// Puts the clipboard's plain text in place of the selection, or at the caret; an empty
    /// clipboard removes the selection.
    void pasteClipboardText();
    /// Removes the selected text, if any.
    void deleteSelection();

signals:
    /// setText or setCp1252Text replaced the whole text.
    void textSet();
    /// The text was edited: typed, pasted, dropped, deleted, undone or redone (showing a long
    /// text in portions is no edit).
    void edited();
    /// The user asked to see a line in context: "Voir en contexte" in the context menu, or
    /// Ctrl+Entrée on the line under the caret (offered only when something listens). A
    /// double-click selects a word, as in any text box. The line's text, without its line end.
    void lineActivated(const QString& line);

protected:
    QMimeData* createMimeDataFromSelection() const override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    /// Files dropped on the box are left to the window: the box takes text only.
    bool canInsertFromMimeData(const QMimeData* source) const override;
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool offersLinesInContext() const;
    /// The position in the document of the character at offset in text(), once the text is
    /// shown whole.
    int documentPosition(qsizetype offset) const;
    /// The exact characters of shown, a stretch of the document's raw text that starts in block.
    QString withLineEnds(const QString& shown, QTextBlock block) const;
    /// The line end that the paragraph break before block stands for.
    QString lineEndBefore(const QTextBlock& block) const;
    /// Puts text in place of the cursor's selection, each line end kept on its break.
    void insertExactText(QTextCursor& cursor, QStringView text);
    /// What the breaks of a run of lines stand for: a line end of the text, or nothing where a
    /// long line was cut to be shown.
    struct Break {
        QStringView lineEnd;
        bool cut = false;
        bool operator==(const Break&) const = default;
    };
    void insertRun(QTextCursor& cursor, const QString& run, const Break& runBreak);
    void replaceSelection(const QString& text);
    void showNextPortion();
    /// Where a portion of about size characters from start ends: after a whole line end.
    qsizetype portionEnd(qsizetype start, qsizetype size) const;
    template <class Text>
    static qsizetype portionEnd(Text text, qsizetype start, qsizetype size);
    void showFirstPortion();
    qsizetype sizeAsSet() const;
    QString sliceAsSet(qsizetype start, qsizetype end) const;

    QString lineEnd_; // the text's own line end: a break marked with none stands for it
    // What setText or setCp1252Text was given, valid while the document is unmodified.
    std::variant<QString, std::shared_ptr<const std::string>> textAsSet_;
    qsizetype shown_ = 0;      // how much of textAsSet_ the document holds
    bool showingText_ = false; // while the document takes in a portion of textAsSet_
    QTimer* portionTimer_;
};

} // namespace quorvelle::ui
