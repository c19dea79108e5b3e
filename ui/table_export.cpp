// The "&Exporter..." command of the statistics windows.
#include "ui/table_export.h"

#include "core/presentation/csv.h"
#include "core/presentation/french_messages.h"
#include "ui/HourglassCursor.h"
#include "ui/MessageBox.h"
#include "ui/file_dialogs.h"
#include "ui/file_saving.h"
#include "ui/menus.h"
#include "ui/report_grid.h"
#include "ui/studied_files.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include <string>
#include <vector>

namespace quorvelle::ui {
namespace {

std::string csvLineOf(const QStringList& cells)
{
    std::vector<std::string> fields;
    fields.reserve(static_cast<std::size_t>(cells.size()));
    for (const QString& cell : cells)
        fields.push_back(cell.toStdString());
    return csvLine(fields);
}

// The table as CSV, headed, for texts cut by the extended rule, by a line that says so and an
// empty line, as quorvelle-cli heads its CSV.
std::string csvOf(const QAbstractItemModel& table, LetterRule letters)
{
    std::string csv(csvByteOrderMark);
    if (letters == LetterRule::Extended)
        csv += csvLine(std::vector{french::letterRuleLine(letters)}) + "\r\n";
    csv += csvLineOf(columnHeadings(table));
    for (int row = 0; row < table.rowCount(); ++row)
        csv += csvLineOf(rowCells(table, row));
    return csv;
}

void exportTable(const QAbstractItemModel& table, const QString& suggestedName, QWidget* window)
{
    const QString path = chooseCsvFile(window, suggestedName);
    if (path.isEmpty())
        return;
    const HourglassCursor hourglass;
    const std::string csv = csvOf(table, studiedLetters(window));
    const QString failure = saveWhole(path, QByteArray::fromStdString(csv));
    if (!failure.isEmpty())
        MessageBox::warning(
            window, QCoreApplication::translate("quorvelle::ui", "Exporter"),
            QCoreApplication::translate("quorvelle::ui", "Le fichier « %1 » n'a pas pu être enregistré : %2.")
                .arg(path, failure));
}

} // namespace

QAction* addExportItem(QMenu* fileMenu, const QAbstractItemModel* table, const QString& suggestedName, QWidget* window)
{
    QAction* exportItem =
        addMenuItem(fileMenu, "exportAction", QCoreApplication::translate("quorvelle::ui", "&Exporter..."));
    QObject::connect(exportItem, &QAction::triggered, window,
                     [table, suggestedName, window] { exportTable(*table, suggestedName, window); });
    return exportItem;
}

} // namespace quorvelle::ui
