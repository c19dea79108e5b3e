// Saving what a statistics window shows as a CSV file.
#pragma once

#include <QString>

class QAbstractItemModel;
class QAction;
class QMenu;
class QWidget;

namespace quorvelle::ui {

/// Adds "&Exporter..." at the end of fileMenu: it saves table, its headings first and its
/// cells as the window shows them, as a CSV file that French spreadsheets open as it is
/// (UTF-8 with its mark, ";" between fields, CR LF), under a name chosen from suggestedName.
QAction* addExportItem(QMenu* fileMenu, const QAbstractItemModel* table, const QString& suggestedName, QWidget* window);

} // namespace quorvelle::ui
