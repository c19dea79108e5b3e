// Statistics windows declared rather than laid out by hand: the places of their parts in rows
// and columns, their titles, and what their menus hold. StatisticsWindow::build lays a
// declaration out.
#pragma once

#include <QCoreApplication>
#include <QSize>
#include <QString>
#include <Qt>

#include <functional>
#include <initializer_list>
#include <vector>

class QAbstractItemModel;
class QAction;
class QAbstractItemView;
class QBoxLayout;
class QLayout;
class QMenu;
class QObject;
class QWidget;

namespace quorvelle::ui {

class LayoutItem;
class LoadedTextBox;

/// Items in a line: side by side, left to right, in a Row; one above the other, top to
/// bottom, in a Column.
template <Qt::Orientation orientation>
class ItemLine {
public:
    ItemLine(std::initializer_list<LayoutItem> items);

    /// The items in a new box layout.
    QBoxLayout* createLayout() const;
    /// Lays the items out in widget, which has no layout yet.
    void attachTo(QWidget* widget) const;

private:
    std::vector<LayoutItem> items_;
};

using Row = ItemLine<Qt::Horizontal>;
using Column = ItemLine<Qt::Vertical>;

/// Blank space that takes its share, factor, of the room the other items leave.
struct Stretch {
    int factor = 0;
};

/// Blank space of a fixed width or height, in pixels.
struct Spacing {
    int pixels = 0;
};

/// One place in a row or a column: a widget or a layout that the window made, or a nested
/// row or column, each with its stretch factor (its share of the room left over, 0 for none),
/// written {resultsFrame, 1}; or blank space.
class LayoutItem {
public:
    LayoutItem(QWidget* widget, int stretch = 0, Qt::Alignment alignment = {});
    LayoutItem(QLayout* layout, int stretch = 0);
    template <Qt::Orientation orientation>
    LayoutItem(const ItemLine<orientation>& line, int stretch = 0)
        : LayoutItem([line] { return line.createLayout(); }, stretch)
    {
    }
    LayoutItem(Stretch stretch);
    LayoutItem(Spacing spacing);

    /// Adds the item at the end of layout.
    void addTo(QBoxLayout* layout) const;

private:
    LayoutItem(const std::function<QBoxLayout*()>& createLine, int stretch);

    std::function<void(QBoxLayout*)> add_;
};

extern template class ItemLine<Qt::Horizontal>;
extern template class ItemLine<Qt::Vertical>;

/// An item of a window's menu: its object name, its caption with its access key, what choosing
/// it does, and where the window keeps it when it enables and disables it as it goes.
struct MenuItem {
    const char* name;
    QString caption;
    std::function<void()> triggered;
    QAction** kept = nullptr;
};

/// Adds items at the end of menu (above its closing item, see addMenuItem); context is the
/// window whose life bounds what they do.
void addMenuItems(QMenu* menu, const std::vector<MenuItem>& items, QObject* context);

/// The captions of the Edition items that a window may write without their access key.
struct EditionCaptions {
    QString selectAll = QCoreApplication::translate("quorvelle::ui", "Sélectionner &tout");
    QString remove = QCoreApplication::translate("quorvelle::ui", "&Supprimer");
};

/// What a statistics window's menu bar holds besides its items and "&Aide".
struct MenuBarContents {
    /// The box the Edition commands act on, whatever has the focus; a window without one
    /// has no "&Edition" menu, unless it has a grid.
    LoadedTextBox* resultBox = nullptr;
    /// Without a result box, the grid whose selected rows "&Copier" copies.
    QAbstractItemView* grid = nullptr;
    EditionCaptions editionCaptions = {};
    /// The last item of "&Fichier", which closes the window: "&Quitter" unless given another
    /// (see addClosingItem).
    const char* closingItemName = "quitAction";
    QString closingItemCaption = {};
};

/// The table that "&Exporter...", at the end of "&Fichier", saves as the window shows it, and
/// the file name it proposes (see addExportItem).
struct TableExport {
    const QAbstractItemModel* table = nullptr;
    QString fileName = {};
};

/// A statistics window as its class declares it.
struct WindowDeclaration {
    QString caption; ///< in the title bar
    QString title;   ///< drawn over its shadow at the top of the window
    /// Under the title, top to bottom.
    std::vector<LayoutItem> body;
    QSize size; ///< on opening
    MenuBarContents menuBar = {};
    std::vector<MenuItem> fileItems = {}; ///< in "&Fichier", above "&Exporter..."
    TableExport tableExport = {};         ///< none without a table
    std::vector<MenuItem> chartItems = {};
    std::vector<MenuItem> statisticsItems = {};
};

} // namespace quorvelle::ui
