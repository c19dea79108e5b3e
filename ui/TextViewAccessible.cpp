// A text view's text interface, read a part at a time.
#include "ui/TextViewAccessible.h"

#include "ui/TextView.h"

#include <algorithm>
#include <limits>

namespace quorvelle::ui {
namespace {

// Screen readers count offsets in an int: a text past two gigabytes ends for them there.
int accessibleOffset(qsizetype offset)
{
    return static_cast<int>(std::clamp<qsizetype>(offset, 0, std::numeric_limits<int>::max()));
}

QAccessibleInterface* textViewInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String(TextView::staticMetaObject.className()) && object->isWidgetType())
        return new TextViewAccessible(static_cast<TextView*>(object));
    return nullptr;
}

} // namespace

TextViewAccessible::TextViewAccessible(TextView* view)
    : QAccessibleWidget(view, QAccessible::EditableText)
{
}

void TextViewAccessible::installFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(textViewInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

TextView* TextViewAccessible::view() const
{
    return static_cast<TextView*>(widget());
}

void* TextViewAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State TextViewAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.multiLine = true;
    state.editable = !view()->isReadOnly();
    state.readOnly = view()->isReadOnly();
    state.selectableText = true;
    return state;
}

QString TextViewAccessible::text(QAccessible::Text type) const
{
    // The value of a text box is its text, which the text interface gives a part at a time.
    if (type == QAccessible::Value)
        return {};
    return QAccessibleWidget::text(type);
}

void TextViewAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    const auto [start, end] = view()->selection();
    if (selectionIndex != 0 || start == end) {
        *startOffset = *endOffset = 0;
        return;
    }
    *startOffset = accessibleOffset(start);
    *endOffset = accessibleOffset(end);
}

int TextViewAccessible::selectionCount() const
{
    const auto [start, end] = view()->selection();
    return start == end ? 0 : 1;
}

void TextViewAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void TextViewAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        view()->select(view()->caret(), view()->caret());
}

void TextViewAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        view()->select(startOffset, endOffset);
}

int TextViewAccessible::cursorPosition() const
{
    return accessibleOffset(view()->caret());
}

void TextViewAccessible::setCursorPosition(int position)
{
    view()->select(position, position);
}

QString TextViewAccessible::text(int startOffset, int endOffset) const
{
    return view()->textBetween(startOffset, std::min<qsizetype>(endOffset, view()->size()));
}

std::pair<int, int> TextViewAccessible::unitAt(int offset, QAccessible::TextBoundaryType boundaryType) const
{
    const int count = characterCount();
    offset = std::clamp(offset, 0, count);
    switch (boundaryType) {
    case QAccessible::CharBoundary:
        return {offset, std::min(offset + 1, count)};
    case QAccessible::WordBoundary: {
        const auto [start, end] = view()->wordAt(offset);
        return {accessibleOffset(start), accessibleOffset(end)};
    }
    case QAccessible::SentenceBoundary:
    case QAccessible::ParagraphBoundary:
    case QAccessible::LineBoundary: {
        const auto [start, end] = view()->lineAt(offset);
        return {accessibleOffset(start), accessibleOffset(end)};
    }
    case QAccessible::NoBoundary:
        break;
    }
    return {0, count};
}

QString TextViewAccessible::textOf(std::pair<int, int> unit, int* startOffset, int* endOffset) const
{
    *startOffset = unit.first;
    *endOffset = unit.second;
    return text(unit.first, unit.second);
}

QString TextViewAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                         int* endOffset) const
{
    return textOf(unitAt(offset, boundaryType), startOffset, endOffset);
}

QString TextViewAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                             int* endOffset) const
{
    const int start = unitAt(offset, boundaryType).first;
    if (start == 0)
        return textOf({0, 0}, startOffset, endOffset);
    return textOf(unitAt(start - 1, boundaryType), startOffset, endOffset);
}

QString TextViewAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                            int* endOffset) const
{
    const int end = unitAt(offset, boundaryType).second;
    if (end >= characterCount())
        return textOf({end, end}, startOffset, endOffset);
    return textOf(unitAt(end, boundaryType), startOffset, endOffset);
}

int TextViewAccessible::characterCount() const
{
    return accessibleOffset(view()->size());
}

QRect TextViewAccessible::characterRect(int offset) const
{
    const QRect inViewport = view()->characterRect(offset);
    return {view()->viewport()->mapToGlobal(inViewport.topLeft()), inViewport.size()};
}

int TextViewAccessible::offsetAtPoint(const QPoint& point) const
{
    return accessibleOffset(view()->offsetAt(view()->viewport()->mapFromGlobal(point)));
}

void TextViewAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    Q_UNUSED(endIndex);
    view()->centreLineOf(startIndex);
}

QString TextViewAccessible::attributes(int offset, int* startOffset, int* endOffset) const
{
    // The text has one look throughout.
    Q_UNUSED(offset);
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

} // namespace quorvelle::ui
