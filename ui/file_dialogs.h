// Choosing a text or a document to open and a file to save a picture in.
#pragma once

#include <QString>

class QFileDialog;
class QWidget;

namespace quorvelle::ui {

/// Sets dialog up for opening a text: the texts and the documents the program reads, or
/// every file, matching extensions in any case, so that a.txt and b.PDF are offered on a
/// case-sensitive file system.
void setUpTextFileDialog(QFileDialog& dialog);

/// Shows the open dialog; returns the chosen file's path, or an empty string when the user
/// cancels.
QString chooseTextFile(QWidget* parent);

/// Shows the save dialog for a picture, proposing suggestedName (see proposedFilePath), PNG
/// or SVG; returns the
/// chosen path, with the extension of the chosen type when the name has none, or an empty
/// string when the user cancels.
QString chooseImageFile(QWidget* parent, const QString& suggestedName);

/// Shows the save dialog for a CSV table, proposing suggestedName (see proposedFilePath);
/// returns the chosen path,
/// ".csv" added when the name has no extension, or an empty string when the user cancels.
QString chooseCsvFile(QWidget* parent, const QString& suggestedName);

/// The path that a save dialog over window proposes for suggestedName: beside the text that
/// window or a window under which it opened studies (its windowFilePath), named after it
/// ("verne.txt" and "frequences.csv" give "verne-frequences.csv"); suggestedName alone when
/// no text file is known.
QString proposedFilePath(const QWidget* window, const QString& suggestedName);

/// For tests: the next file dialog returns path (empty: a cancel) without showing anything.
void setNextChosenFile(const QString& path);

} // namespace quorvelle::ui
