// Plain text with its line ends kept, and the Edition commands on it.
#include "ui/PlainTextBox.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace quorvelle::ui {
namespace {

const QString crLf = QStringLiteral("\r\n");

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
{
}

void PlainTextBox::setText(const QString& text)
{
    lineEnd_ = firstLineEnd(text);
    textAsSet_ = text;
    setPlainText(text);
    document()->setModified(false);
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
    replaceSelection(QGuiApplication::clipboard()->text());
}

void PlainTextBox::deleteSelection()
{
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
