// Studied files, kept on the windows as a property.
#include "ui/studied_files.h"

#include "core/presentation/french_messages.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QVariant>
#include <QWidget>

namespace quorvelle::ui {
namespace {

constexpr char studiedFilesProperty[] = "quorvelleStudiedFiles";
constexpr char studiedLettersProperty[] = "quorvelleStudiedLetters";

// The value of a property on window, or else on the nearest window it was opened from.
QVariant inheritedProperty(const QWidget* window, const char* property)
{
    for (const QWidget* widget = window; widget; widget = widget->parentWidget()) {
        const QVariant value = widget->property(property);
        if (value.isValid())
            return value;
    }
    return {};
}

} // namespace

void setStudiedFiles(QWidget* window, const QStringList& paths)
{
    window->setProperty(studiedFilesProperty, paths.isEmpty() ? QVariant() : QVariant(paths));
}

QStringList studiedFiles(const QWidget* window)
{
    return inheritedProperty(window, studiedFilesProperty).toStringList();
}

void setStudiedLetters(QWidget* window, LetterRule letters)
{
    window->setProperty(studiedLettersProperty, letters == LetterRule::Extended);
}

LetterRule studiedLetters(const QWidget* window)
{
    return inheritedProperty(window, studiedLettersProperty).toBool() ? LetterRule::Extended : LetterRule::Classic;
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
    const QString titled =
        names.isEmpty() ? title : QCoreApplication::translate("quorvelle::ui", "%1 — %2").arg(title, names);
    return QString::fromStdString(french::titleUnderRule(titled.toStdString(), studiedLetters(window)));
}

} // namespace quorvelle::ui
