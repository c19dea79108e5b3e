// The open dialog for texts, with its test hook.
#include "ui/open_file_dialog.h"

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

void setNextChosenTextFile(const QString& path)
{
    nextChosenFile() = path;
}

} // namespace quorvelle::ui
