// What a screen reader reads of a text view.
#pragma once

#include <QAccessibleWidget>

namespace quorvelle::ui {

class TextView;

/// A text view as screen readers know a text box: an editable text of many lines, whose text
/// interface gives the characters, the word and the line at an offset, the caret and the
/// selection. Each answer reads only the part of the text it is about, never the whole of a
/// text of a hundred megabytes; offsets are the view's, one a character.
class TextViewAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit TextViewAccessible(TextView* view);
    /// Makes Qt describe every text view by this class; once is enough.
    static void installFactory();

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text type) const override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                             int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                            int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    TextView* view() const;
    /// The unit of text of the given kind around offset, from its start to past its end.
    std::pair<int, int> unitAt(int offset, QAccessible::TextBoundaryType boundaryType) const;
    QString textOf(std::pair<int, int> unit, int* startOffset, int* endOffset) const;
};

} // namespace quorvelle::ui
