// The program's file dialogs, with their test hook.
#include "ui/file_dialogs.h"

#include <QCoreApplication>
#include <QFileDialog>

#include <optional>
#include <utility>

namespace quorvelle::ui {
namespace {

std::optional<QString>& nextChosenFile()
{
    static std::optional<QString> path;
    return path;
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
    dialog.setNameFilter(QCoreApplication::translate("quorvelle::ui", "Fichiers Texte (*.TXT)"));
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
    if (auto& next = nextChosenFile())
        return *std::exchange(next, std::nullopt);

    QFileDialog dialog(parent, QCoreApplication::translate("quorvelle::ui", "Enregistrer l'image"), suggestedName);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QString png = QCoreApplication::translate("quorvelle::ui", "Image PNG (*.png)");
    const QString svg = QCoreApplication::translate("quorvelle::ui", "Image SVG (*.svg)");
    dialog.setNameFilters({png, svg});
    dialog.setDefaultSuffix(QStringLiteral("png"));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, svg](const QString& filter) {
        dialog.setDefaultSuffix(filter == svg ? QStringLiteral("svg") : QStringLiteral("png"));
    });
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

void setNextChosenFile(const QString& path)
{
    nextChosenFile() = path;
}

} // namespace quorvelle::ui
