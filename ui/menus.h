// Menus named for the code and captioned for the user.
#pragma once

#include <QMenu>
#include <QMenuBar>
#include <QString>

class QAction;

namespace quorvelle::ui {

/// A menu of a menu bar, or a submenu of a menu: name is its objectName, caption its text
/// with its access key.
template <class MenuOwner>
QMenu* addMenu(MenuOwner* owner, const char* name, const QString& caption)
{
    QMenu* menu = owner->addMenu(caption);
    menu->setObjectName(name);
    return menu;
}

/// An item at the end of menu.
QAction* addMenuItem(QMenu* menu, const char* name, const QString& caption);

} // namespace quorvelle::ui
