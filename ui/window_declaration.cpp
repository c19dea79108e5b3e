// Laying out the rows and columns that a window declares, and its declared menu items.
#include "ui/window_declaration.h"

#include "ui/menus.h"

#include <QAction>
#include <QBoxLayout>
#include <QWidget>

namespace quorvelle::ui {

template <Qt::Orientation orientation>
ItemLine<orientation>::ItemLine(std::initializer_list<LayoutItem> items)
    : items_(items)
{
}

template <Qt::Orientation orientation>
QBoxLayout* ItemLine<orientation>::createLayout() const
{
    QBoxLayout* layout = nullptr;
    if constexpr (orientation == Qt::Horizontal)
        layout = new QHBoxLayout;
    else
        layout = new QVBoxLayout;
    for (const LayoutItem& item : items_)
        item.addTo(layout);
    return layout;
}

template <Qt::Orientation orientation>
void ItemLine<orientation>::attachTo(QWidget* widget) const
{
    widget->setLayout(createLayout());
}

template class ItemLine<Qt::Horizontal>;
template class ItemLine<Qt::Vertical>;

LayoutItem::LayoutItem(QWidget* widget, int stretch, Qt::Alignment alignment)
    : add_([=](QBoxLayout* layout) { layout->addWidget(widget, stretch, alignment); })
{
}

LayoutItem::LayoutItem(QLayout* layout, int stretch)
    : add_([=](QBoxLayout* into) { into->addLayout(layout, stretch); })
{
}

LayoutItem::LayoutItem(const std::function<QBoxLayout*()>& createLine, int stretch)
    : add_([=](QBoxLayout* layout) { layout->addLayout(createLine(), stretch); })
{
}

LayoutItem::LayoutItem(Stretch stretch)
    : add_([=](QBoxLayout* layout) { layout->addStretch(stretch.factor); })
{
}

LayoutItem::LayoutItem(Spacing spacing)
    : add_([=](QBoxLayout* layout) { layout->addSpacing(spacing.pixels); })
{
}

void LayoutItem::addTo(QBoxLayout* layout) const
{
    add_(layout);
}

void addMenuItems(QMenu* menu, const std::vector<MenuItem>& items, QObject* context)
{
    for (const MenuItem& item : items) {
        QAction* action = addMenuItem(menu, item.name, item.caption);
        QObject::connect(action, &QAction::triggered, context, item.triggered);
        if (item.kept)
            *item.kept = action;
    }
}

} // namespace quorvelle::ui
