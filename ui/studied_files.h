// The files whose texts a window studies, after which it names and titles what it saves.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace quorvelle::ui {

/// Sets the files whose texts window studies, in order: the main window its text's, the
/// second-text window both texts'. An empty list hands the question back to the window's
/// parent.
void setStudiedFiles(QWidget* window, const QStringList& paths);

/// The files window studies: those set on it, or else those of the window it was opened from,
/// and so on up to the main window; empty when no file is known (a text typed in, a test).
QStringList studiedFiles(const QWidget* window);

/// The names of those files as a title quotes them: "verne.txt", "verne.txt et sand.txt";
/// empty when no file is known.
QString studiedFileNames(const QWidget* window);

/// The title of what window shows, followed by the files it is shown for: "Loi de Zipf —
/// verne.txt", or the title alone when no file is known.
QString titleForStudiedFiles(const QString& title, const QWidget* window);

} // namespace quorvelle::ui
