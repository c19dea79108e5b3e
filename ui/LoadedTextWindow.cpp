// Finding the window that shows the loaded text among a window's ancestors.
#include "ui/LoadedTextWindow.h"

#include <QWidget>

namespace quorvelle::ui {

LoadedTextWindow* LoadedTextWindow::of(QWidget* window)
{
    for (QWidget* widget = window; widget; widget = widget->parentWidget())
        if (auto* loaded = dynamic_cast<LoadedTextWindow*>(widget))
            return loaded;
    return nullptr;
}

} // namespace quorvelle::ui
