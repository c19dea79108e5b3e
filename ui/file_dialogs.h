// Choosing a text or a document to open, and a file to save a text, a picture or a table in.
#pragma once

#include "core/text/encoding.h"

#include <QString>
#include <QStringList>

#include <filesystem>
#include <optional>

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

/// Shows the open dialog for the files of a corpus, one or several: one file is cut at its
/// marker lines, several are one part each. Returns the chosen files' paths in the order the
/// dialog gives them, or none when the user cancels.
QStringList chooseCorpusFiles(QWidget* parent);

/// The path of a file a dialog or the command line named: on Linux the bytes Qt encodes file
/// names in, on Windows its UTF-16 letters, whatever the ANSI code page.
std::filesystem::path filePathOf(const QString& fileName);

/// The file name of a path, as filePathOf reads it.
QString fileNameOf(const std::filesystem::path& path);

/// Where and how the user chose to save a text.
struct TextFileChoice {
    QString path;
    Encoding encoding = Encoding::Utf8; ///< Utf8 or Cp1252
};

/// Shows the save dialog for a text, proposing proposedPath and encoding (Utf8 or Cp1252)
/// among the types "Texte UTF-8 (*.txt)" and "Texte Windows-1252 (*.txt)"; returns the chosen
/// path, ".txt" added when the name has no extension, and the encoding of the chosen type, or
/// nothing when the user cancels.
std::optional<TextFileChoice> chooseTextFileToSave(QWidget* parent, const QString& proposedPath, Encoding encoding);

/// Shows the save dialog for a picture, proposing suggestedName (see proposedFilePath), PNG
/// or SVG; returns the
/// chosen path, with the extension of the chosen type when the name has none, or an empty
/// string when the user cancels.
QString chooseImageFile(QWidget* parent, const QString& suggestedName);

/// Shows the save dialog for a CSV table, proposing suggestedName (see proposedFilePath);
/// returns the chosen path,
/// ".csv" added when the name has no extension, or an empty string when the user cancels.
QString chooseCsvFile(QWidget* parent, const QString& suggestedName);

/// The path that a save dialog over window proposes for suggestedName: beside the texts that
/// window studies (see studiedFiles), named after them ("verne.txt" and "frequences.csv" give
/// "verne-frequences.csv", two texts "verne-sand-comparaison.csv"); suggestedName alone when
/// no text file is known.
QString proposedFilePath(const QWidget* window, const QString& suggestedName);

/// For tests: the next file dialog returns path (empty: a cancel) without showing anything, of
/// the type at place type among the dialog's types, or of the type the dialog proposes.
void setNextChosenFile(const QString& path, std::optional<int> type = std::nullopt);
/// For tests: the next corpus dialog returns paths (empty: a cancel) without showing anything.
void setNextChosenCorpusFiles(const QStringList& paths);

} // namespace quorvelle::ui
