// The program's file dialogs, with their test hook.
#include "ui/file_dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include <optional>
#include <utility>

namespace quorvelle::ui {
namespace {

std::optional<QString>& nextChosenFile()
{
    static std::optional<QString> path;
    return path;
}

// A type of file to save: its name filter and the extension a name without one gets.
struct FileType {
    QString filter;
    QString suffix;
};

// The save dialog for a file of one of the types, the first proposed.
QString chooseFileToSave(QWidget* parent, const QString& title, const QString& suggestedName,
                         const QList<FileType>& types)
{
    if (auto& next = nextChosenFile())
        return *std::exchange(next, std::nullopt);

    QFileDialog dialog(parent, title, proposedFilePath(parent, suggestedName));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QStringList filters;
    for (const FileType& type : types)
        filters.append(type.filter);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(types.front().suffix);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, types](const QString& filter) {
        for (const FileType& type : types)
            if (type.filter == filter)
                dialog.setDefaultSuffix(type.suffix);
    });
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

} // namespace

void setUpTextFileDialog(QFileDialog& dialog)
{
    // Qt's own dialog speaks French with the program's translations, and its name filters
    // ignore case unless asked not to; native dialogs may do neither.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setWindowTitle(QCoreApplication::translate("quorvelle::ui", "Ouvrir"));
    dialog.setNameFilters({QCoreApplication::translate(
                               "quorvelle::ui", "Textes et documents (*.txt *.odt *.docx *.epub *.html *.htm *.pdf)"),
                           QCoreApplication::translate("quorvelle::ui", "Tous les fichiers (*)")});
}

QString chooseTextFile(QWidget* parent)
{
    if (auto& next = nextChosenFile())
        return *std::exchange(next, std::nullopt);

    QFileDialog dialog(parent);
    setUpTextFileDialog(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

QString chooseImageFile(QWidget* parent, const QString& suggestedName)
{
    return chooseFileToSave(
        parent, QCoreApplication::translate("quorvelle::ui", "Enregistrer l'image"), suggestedName,
        {{QCoreApplication::translate("quorvelle::ui", "Image PNG (*.png)"), QStringLiteral("png")},
         {QCoreApplication::translate("quorvelle::ui", "Image SVG (*.svg)"), QStringLiteral("svg")}});
}

QString chooseCsvFile(QWidget* parent, const QString& suggestedName)
{
    return chooseFileToSave(
        parent, QCoreApplication::translate("quorvelle::ui", "Exporter"), suggestedName,
        {{QCoreApplication::translate("quorvelle::ui", "Tableau CSV (*.csv)"), QStringLiteral("csv")}});
}

QString proposedFilePath(const QWidget* window, const QString& suggestedName)
{
    for (const QWidget* widget = window; widget; widget = widget->parentWidget()) {
        if (widget->windowFilePath().isEmpty())
            continue;
        const QFileInfo text(widget->windowFilePath());
        return text.dir().filePath(text.completeBaseName() + QLatin1Char('-') + suggestedName);
    }
    return suggestedName;
}

void setNextChosenFile(const QString& path)
{
    nextChosenFile() = path;
}

} // namespace quorvelle::ui
