// Named menu items, the closing item last.
#include "ui/menus.h"

#include <QAction>
#include <QCoreApplication>
#include <QVariant>

namespace quorvelle::ui {
namespace {

constexpr char closingItemProperty[] = "quorvelleClosesWindow";

// The separator over the item that closes the window, when menu ends with them.
QAction* closingSection(const QMenu* menu)
{
    const QList<QAction*> items = menu->actions();
    if (items.size() < 2 || !items.last()->property(closingItemProperty).toBool())
        return nullptr;
    return items[items.size() - 2];
}

} // namespace

QAction* addMenuItem(QMenu* menu, const char* name, const QString& caption)
{
    auto* item = new QAction(caption, menu);
    item->setObjectName(name);
    menu->insertAction(closingSection(menu), item);
    return item;
}

QAction* addClosingItem(QMenu* fileMenu, const char* name, const QString& caption)
{
    fileMenu->addSeparator();
    QAction* item = addMenuItem(fileMenu, name,
                                caption.isEmpty() ? QCoreApplication::translate("quorvelle::ui", "&Quitter") : caption);
    item->setProperty(closingItemProperty, true);
    return item;
}

} // namespace quorvelle::ui
