// Choosing a text file to open.
#pragma once

#include <QString>

class QFileDialog;
class QWidget;

namespace quorvelle::ui {

/// Sets dialog up for opening a text: filter "Fichiers Texte (*.TXT)", matching the
/// extension in any case, so that a.txt and b.Txt are offered on a case-sensitive file system.
void setUpTextFileDialog(QFileDialog& dialog);

/// Shows the open dialog; returns the chosen file's path, or an empty string when the user
/// cancels.
QString chooseTextFile(QWidget* parent);

/// For tests: the next chooseTextFile returns path (empty: a cancel) without showing anything.
void setNextChosenTextFile(const QString& path);

} // namespace quorvelle::ui
