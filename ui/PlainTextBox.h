// A multi-line plain-text box that keeps the line ends of the text put into it.
#pragma once

#include <QPlainTextEdit>
#include <QString>

namespace quorvelle::ui {

/// The program's text boxes: the main window's loaded text and each statistics window's
/// result text box. QPlainTextEdit turns every line end into a paragraph break; this box gives
/// the text back with the line end it was given (its first one, CR LF when it had none), both
/// from text() and on the clipboard, so that CR LF pairs survive a copy. Text the user has not
/// edited comes back exactly as it was set.
class PlainTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit PlainTextBox(QWidget* parent);

    /// Replaces the whole text; the undo history starts afresh.
    void setText(const QString& text);
    /// The whole text.
    QString text() const;
    /// The selected text, with the box's line ends.
    QString selectedText() const;

    /// Puts the clipboard's plain text in place of the selection, or at the caret; an empty
    /// clipboard removes the selection. (copy() and selectAll() need nothing of their own:
    /// copy() goes through createMimeDataFromSelection and leaves the clipboard untouched
    /// when nothing is selected.)
    void pasteClipboardText();
    /// Removes the selected text, if any.
    void deleteSelection();

protected:
    QMimeData* createMimeDataFromSelection() const override;

private:
    QString withLineEnds(QString text) const;
    void replaceSelection(const QString& text);

    QString lineEnd_;
    QString textAsSet_; // what setText was given, valid while the document is unmodified
};

} // namespace quorvelle::ui
