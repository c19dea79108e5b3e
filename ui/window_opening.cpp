// Showing a window beside the one it opens from.
#include "ui/window_opening.h"

#include "ui/studied_files.h"

namespace quorvelle::ui {

void showModeless(QDialog* window)
{
    setStudiedFiles(window, studiedFiles(window->parentWidget()));
    window->setAttribute(Qt::WA_DeleteOnClose);
    // A window of its own rather than a dialog: it can be minimized, maximized and sent behind.
    window->setWindowFlags(Qt::Window);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace quorvelle::ui
