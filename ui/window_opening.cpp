// Showing a window beside the one it opens from, and closing it with that one.
#include "ui/window_opening.h"

#include "ui/studied_files.h"

#include <QEvent>

namespace quorvelle::ui {
namespace {

// Closes a window opened beside another as soon as that one is hidden: closed, or about to be
// destroyed, but not minimized. The window thus closes while both are whole, before its owner
// deletes it with its other children.
class ClosingWithOwner final : public QObject {
public:
    ClosingWithOwner(QWidget* window, QWidget* owner)
        : QObject(window)
        , window_(window)
    {
        owner->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Hide && !event->spontaneous())
            window_->close();
        return false;
    }

private:
    QWidget* window_;
};

} // namespace

void showModeless(QDialog* window)
{
    QWidget* owner = window->parentWidget();
    setStudiedFiles(window, studiedFiles(owner));
    setStudiedLetters(window, studiedLetters(window));
    if (owner)
        new ClosingWithOwner(window, owner->window());
    window->setAttribute(Qt::WA_DeleteOnClose);
    // A window of its own rather than a dialog: it can be minimized, maximized and sent behind.
    window->setWindowFlags(Qt::Window);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace quorvelle::ui
