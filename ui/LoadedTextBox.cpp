// Showing a loaded text in the view or the editable box, and moving it from one to the other.
#include "ui/LoadedTextBox.h"

#include "ui/HourglassCursor.h"
#include "ui/MessageBox.h"
#include "ui/PlainTextBox.h"
#include "ui/TextView.h"

#include <QCoreApplication>
#include <QMetaMethod>
#include <QScrollBar>
#include <QStackedLayout>

#include <cmath>

namespace quorvelle::ui {
namespace {

constexpr double bytesPerMegabyte = 1024.0 * 1024.0;
// What a text document takes for each character of the text, measured.
constexpr double documentBytesPerCharacter = 2.3;

QString megabytes(double bytes)
{
    return QObject::tr("%1 Mo").arg(std::lround(bytes / bytesPerMegabyte));
}

} // namespace

LoadedTextBox::LoadedTextBox(QWidget* parent, qsizetype viewFrom)
    : QWidget(parent)
    , viewFrom_(viewFrom)
    , view_(new TextView(this))
    , editor_(new PlainTextBox(this))
    , pages_(new QStackedLayout(this))
{
    view_->setObjectName(QStringLiteral("textView"));
    editor_->setObjectName(QStringLiteral("textEditor"));
    // Lines stay as the file has them: no wrapping, both scroll bars.
    editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
    pages_->addWidget(editor_);
    pages_->addWidget(view_);
    showPage(editor_);
    connect(view_, &TextView::editRequested, this, &LoadedTextBox::startEditing);
    connect(editor_, &PlainTextBox::edited, this, &LoadedTextBox::edited);
}

bool LoadedTextBox::showsView() const
{
    return pages_->currentWidget() == view_;
}

void LoadedTextBox::showPage(QWidget* page)
{
    const bool focused = pages_->currentWidget() && pages_->currentWidget()->hasFocus();
    pages_->setCurrentWidget(page);
    setFocusProxy(page);
    if (focused)
        page->setFocus();
}

void LoadedTextBox::setText(const QString& text)
{
    view_->setText(nullptr);
    editor_->setText(text);
    showPage(editor_);
    emit textSet();
}

void LoadedTextBox::setCp1252Text(std::shared_ptr<const std::string> text)
{
    if (static_cast<qsizetype>(text->size()) >= viewFrom_) {
        // The text document of an earlier text goes: the view holds no copy of its own.
        editor_->setText(QString());
        view_->setText(std::move(text));
        showPage(view_);
    } else {
        view_->setText(nullptr);
        editor_->setCp1252Text(std::move(text));
        showPage(editor_);
    }
    emit textSet();
}

std::shared_ptr<const std::string> LoadedTextBox::unmodifiedCp1252Text() const
{
    return showsView() ? view_->text() : editor_->unmodifiedCp1252Text();
}

QString LoadedTextBox::text() const
{
    return showsView() ? view_->textBetween(0, view_->size()) : editor_->text();
}

bool LoadedTextBox::isEdited() const
{
    return !showsView() && editor_->isEdited();
}

void LoadedTextBox::markSaved()
{
    // A text in the view is as it was set.
    if (!showsView())
        editor_->markSaved();
}

void LoadedTextBox::showCharacterAt(qsizetype offset)
{
    if (showsView())
        view_->showCharacterAt(offset);
    else
        editor_->showCharacterAt(offset);
}

void LoadedTextBox::selectCharacters(qsizetype start, qsizetype end)
{
    if (showsView())
        view_->selectCharacters(start, end);
    else
        editor_->selectCharacters(start, end);
}

void LoadedTextBox::setReadOnly(bool readOnly)
{
    view_->setReadOnly(readOnly);
    editor_->setReadOnly(readOnly);
}

void LoadedTextBox::setTextName(const QString& name)
{
    view_->setAccessibleName(name);
    editor_->setAccessibleName(name);
}

void LoadedTextBox::setTabChangesFocus(bool changesFocus)
{
    view_->setTabChangesFocus(changesFocus);
    editor_->setTabChangesFocus(changesFocus);
}

void LoadedTextBox::setLineWrapMode(QPlainTextEdit::LineWrapMode mode)
{
    editor_->setLineWrapMode(mode);
}

void LoadedTextBox::copy() const
{
    if (showsView())
        view_->copy();
    else
        editor_->copy();
}

void LoadedTextBox::pasteClipboardText()
{
    if (makeEditable())
        editor_->pasteClipboardText();
}

void LoadedTextBox::selectWholeText()
{
    if (showsView())
        view_->selectWholeText();
    else
        editor_->selectWholeText();
}

void LoadedTextBox::deleteSelection()
{
    if (makeEditable())
        editor_->deleteSelection();
}

void LoadedTextBox::connectNotify(const QMetaMethod& signal)
{
    // The boxes offer to see a line in context only when someone listens to them.
    if (signal == QMetaMethod::fromSignal(&LoadedTextBox::lineActivated)) {
        connect(view_, &TextView::lineActivated, this, &LoadedTextBox::lineActivated, Qt::UniqueConnection);
        connect(editor_, &PlainTextBox::lineActivated, this, &LoadedTextBox::lineActivated, Qt::UniqueConnection);
    }
}

void LoadedTextBox::startEditing(QEvent* event)
{
    if (showsView() && makeEditable()) {
        editor_->setFocus();
        QCoreApplication::sendEvent(editor_, event);
    }
}

bool LoadedTextBox::makeEditable()
{
    if (!showsView())
        return !editor_->isReadOnly();
    if (view_->isReadOnly())
        return false;
    const qsizetype size = view_->size();
    if (size >= editingAskedFrom
        && MessageBox::question(
               this, tr("Modifier le texte"),
               tr("Ce texte est long (%1). Pour le modifier, le programme en fait un document modifiable, qui occupe "
                  "environ %2 de mémoire de plus et demande quelques secondes.\r\nModifier le texte ?")
                   .arg(megabytes(static_cast<double>(size)),
                        megabytes(static_cast<double>(size) * documentBytesPerCharacter)))
            != QMessageBox::Yes)
        return false;
    const HourglassCursor hourglass;
    const qsizetype firstLine = view_->firstVisibleLine();
    editor_->setCp1252Text(view_->text());
    editor_->selectCharacters(view_->anchor(), view_->caret());
    editor_->verticalScrollBar()->setValue(static_cast<int>(firstLine));
    view_->setText(nullptr);
    showPage(editor_);
    return true;
}

} // namespace quorvelle::ui
