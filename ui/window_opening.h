// Opening a window from another: modal, as the classic statistics open one at a time, or
// beside it, as the windows one consults while working in the others open.
#pragma once

#include "ui/HourglassCursor.h"
#include "ui/MessageBox.h"

#include <QDialog>

#include <memory>
#include <new>
#include <utility>

namespace quorvelle::ui {

/// Loads a window of class Window (a QDialog) under the hourglass, built from arguments and
/// parent, and shows it modal over parent; returns when the user closes it. A computation
/// that runs out of memory ends in a message instead, and the window is not shown.
template <class Window, class... Arguments>
void openModal(QWidget* parent, Arguments&&... arguments)
{
    std::unique_ptr<Window> window;
    try {
        const HourglassCursor hourglass;
        window = std::make_unique<Window>(std::forward<Arguments>(arguments)..., parent);
    } catch (const std::bad_alloc&) {
        MessageBox::outOfMemory(parent);
        return;
    }
    window->exec();
}

/// Shows window, a child of the window it opens from, beside it and not modal: the user goes
/// on working in the other windows meanwhile. It closes when that window closes, and is
/// deleted once closed; it keeps the files that window studies now (see studiedFiles),
/// whatever that window studies later.
void showModeless(QDialog* window);

/// Loads a window as openModal does, then shows it beside parent (see showModeless); returns
/// it, or null when it could not be computed.
template <class Window, class... Arguments>
Window* openModeless(QWidget* parent, Arguments&&... arguments)
{
    Window* window = nullptr;
    try {
        const HourglassCursor hourglass;
        window = new Window(std::forward<Arguments>(arguments)..., parent);
    } catch (const std::bad_alloc&) {
        MessageBox::outOfMemory(parent);
        return nullptr;
    }
    showModeless(window);
    return window;
}

} // namespace quorvelle::ui
