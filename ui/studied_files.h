// The files whose texts a window studies, after which it names and titles what it saves, and
// the letter rule those texts are cut by, which it says.
#pragma once

#include "core/text/letters.h"

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

/// Sets the rule by which the texts window studies are cut into forms: the main window its
/// text's, each statistics window that of the text it shows.
void setStudiedLetters(QWidget* window, LetterRule letters);

/// The rule set on window, or else on the window it was opened from, and so on up to the main
/// window; the classic rule when none is set.
LetterRule studiedLetters(const QWidget* window);

/// The title of what window shows, followed by the files it is shown for and, under the
/// extended rule, by the rule: "Loi de Zipf — verne.txt", "Loi de Zipf — verne.txt (œ, Œ, Ÿ,
/// Š, Ž comptés comme des lettres)", or the title alone when no file is known.
QString titleForStudiedFiles(const QString& title, const QWidget* window);

} // namespace quorvelle::ui
