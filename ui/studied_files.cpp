// Studied files, kept on the windows as a property.
#include "ui/studied_files.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QVariant>
#include <QWidget>

namespace quorvelle::ui {
namespace {

constexpr char studiedFilesProperty[] = "quorvelleStudiedFiles";

} // namespace

void setStudiedFiles(QWidget* window, const QStringList& paths)
{
    window->setProperty(studiedFilesProperty, paths.isEmpty() ? QVariant() : QVariant(paths));
}

QStringList studiedFiles(const QWidget* window)
{
    for (const QWidget* widget = window; widget; widget = widget->parentWidget()) {
        const QVariant paths = widget->property(studiedFilesProperty);
        if (paths.isValid())
            return paths.toStringList();
    }
    return {};
}

QString studiedFileNames(const QWidget* window)
{
    QStringList names;
    for (const QString& path : studiedFiles(window))
        names << QFileInfo(path).fileName();
    return names.join(QCoreApplication::translate("quorvelle::ui", " et "));
}

QString titleForStudiedFiles(const QString& title, const QWidget* window)
{
    const QString names = studiedFileNames(window);
    return names.isEmpty() ? title : QCoreApplication::translate("quorvelle::ui", "%1 — %2").arg(title, names);
}

} // namespace quorvelle::ui
