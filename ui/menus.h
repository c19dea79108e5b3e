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

/// An item at the end of menu, but above the item that closes the window when the menu ends
/// with one (see addClosingItem).
QAction* addMenuItem(QMenu* menu, const char* name, const QString& caption);

/// The item that closes the window ("&Quitter", named quitAction, unless given another), at
/// the end of fileMenu under a separator; it stays last, as in every desktop program, whatever
/// items are added afterwards.
QAction* addClosingItem(QMenu* fileMenu, const char* name = "quitAction", const QString& caption = {});

} // namespace quorvelle::ui
