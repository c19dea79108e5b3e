// A multi-line plain-text box that keeps the line ends of the text put into it.
#pragma once

#include <QPlainTextEdit>
#include <QString>

class QTimer;

namespace quorvelle::ui {

/// The program's text boxes: the main window's loaded text and each statistics window's
/// result text box. QPlainTextEdit turns every line end into a paragraph break; this box gives
/// the text back with the line end it was given (its first one, CR LF when it had none), both
/// from text() and on the clipboard, so that CR LF pairs survive a copy. Text the user has not
/// edited comes back exactly as it was set.
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
    /// The whole text, also while the box is still showing it in portions.
    QString text() const;
    /// The selected text, with the box's line ends.
    QString selectedText() const;

    /// Shows the rest of the text now, if the box is still showing it in portions.
    void completeText();
    /// Selects the whole text. (copy() needs nothing of its own: it goes through
    /// createMimeDataFromSelection and leaves the clipboard untouched when nothing is
    /// selected.)
    void selectWholeText();
    /// Puts the clipboard's plain text in place of the selection, or at the caret; an empty
    /// clipboard removes the selection.
    void pasteClipboardText();
    /// Removes the selected text, if any.
    void deleteSelection();

protected:
    QMimeData* createMimeDataFromSelection() const override;
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    QString withLineEnds(QString text) const;
    void replaceSelection(const QString& text);
    void showNextPortion();
    /// Where a portion of about size characters from start ends: after a whole line end.
    qsizetype portionEnd(qsizetype start, qsizetype size) const;

    QString lineEnd_;
    QString textAsSet_;    // what setText was given, valid while the document is unmodified
    qsizetype shown_ = 0;  // how much of textAsSet_ the document holds
    QTimer* portionTimer_;
};

} // namespace quorvelle::ui
