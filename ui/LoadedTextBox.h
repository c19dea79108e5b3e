// The box that shows a loaded text: in a view while it is long and unedited, editable always.
#pragma once

#include <QPlainTextEdit>
#include <QWidget>

#include <memory>
#include <string>

class QStackedLayout;

namespace quorvelle::ui {

class PlainTextBox;
class TextView;

/// Shows a loaded text and lets the user edit it, every line end kept (see PlainTextBox). A
/// text in code page 1252 of viewedFrom bytes or more is shown by a TextView, painted from its
/// shared bytes, where a text document would hold it a second time, in UTF-16 and a block a
/// line: more than twice its size. The user edits it all the same: the first key that would
/// edit it moves the text into the editable box (after asking, when that takes much memory),
/// the caret and the selection with it, and the key is typed there. Shorter texts, and texts
/// given as a QString, are in the editable box from the start.
class LoadedTextBox final : public QWidget {
    Q_OBJECT
public:
    /// Up to this size a text document holds a text in a few megabytes and lays it out whole
    /// in some 80 ms; longer texts are first shown by a view.
    static constexpr qsizetype viewedFrom = 4 * 1024 * 1024;
    /// From this size the user is asked before the text is moved into the editable box, which
    /// then takes some 80 MB and half a second more.
    static constexpr qsizetype editingAskedFrom = 32 * 1024 * 1024;

    /// A box that shows texts from viewFrom bytes in its view.
    explicit LoadedTextBox(QWidget* parent, qsizetype viewFrom = viewedFrom);

    PlainTextBox* editor() const { return editor_; }
    TextView* view() const { return view_; }
    /// Whether the text is shown by the view, not yet editable as a document.
    bool showsView() const;

    /// Replaces the whole text; the undo history starts afresh.
    void setText(const QString& text);
    /// The same with a text in code page 1252, whose bytes are shared, not copied.
    void setCp1252Text(std::shared_ptr<const std::string> text);
    /// The bytes setCp1252Text was given, while the text is unmodified; null otherwise.
    std::shared_ptr<const std::string> unmodifiedCp1252Text() const;
    /// The whole text, every line end as it is.
    QString text() const;
    /// True when the text was edited since it was set or last marked saved.
    bool isEdited() const;
    /// The text as it now stands is the one saved.
    void markSaved();
    /// Puts the caret before the character at offset in text() and scrolls its line to the top.
    void showCharacterAt(qsizetype offset);
    /// Selects the characters of text() from start to end and scrolls them to the middle.
    void selectCharacters(qsizetype start, qsizetype end);
    void setReadOnly(bool readOnly);
    /// The name screen readers give the text, whichever shows it.
    void setTextName(const QString& name);
    /// Whether Tab moves the focus on rather than typing a tab.
    void setTabChangesFocus(bool changesFocus);
    /// How the editable box wraps long lines; the view never wraps them.
    void setLineWrapMode(QPlainTextEdit::LineWrapMode mode);

    /// The Edition commands of a result box, on the selection of whichever shows the text;
    /// pasting and deleting make the text editable first.
    void copy() const;
    void pasteClipboardText();
    void selectWholeText();
    void deleteSelection();

signals:
    /// setText or setCp1252Text replaced the whole text.
    void textSet();
    /// The text was edited (moving it into the editable box is no edit).
    void edited();
    /// The user asked to see a line in context (see PlainTextBox::lineActivated), offered
    /// only once something listens.
    void lineActivated(const QString& line);

protected:
    void connectNotify(const QMetaMethod& signal) override;

private:
    /// Moves the view's text into the editable box, unless the user would rather not, and
    /// sends it the event that would edit it.
    void startEditing(QEvent* event);
    /// Moves the view's text into the editable box, if it is there and the user agrees; true
    /// when the text is then in the editable box.
    bool makeEditable();
    void showPage(QWidget* page);

    qsizetype viewFrom_;
    TextView* view_;
    PlainTextBox* editor_;
    QStackedLayout* pages_;
};

} // namespace quorvelle::ui
