// Named menu items.
#include "ui/menus.h"

#include <QAction>

namespace quorvelle::ui {

QAction* addMenuItem(QMenu* menu, const char* name, const QString& caption)
{
    QAction* item = menu->addAction(caption);
    item->setObjectName(name);
    return item;
}

} // namespace quorvelle::ui
