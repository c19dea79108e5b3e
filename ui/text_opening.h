// Opening a text file into a text box, as the main window's "&Ouvrir..." does.
#pragma once

#include "core/text/encoding.h"
#include "core/text/text_file.h"

#include <QString>

#include <optional>

class QWidget;

namespace quorvelle::ui {

class LoadedTextBox;

/// A text opened into a box: the file's full path, and how it was read (Cp1252 or Utf8).
struct OpenedText {
    QString path;
    Encoding encoding = Encoding::Cp1252;
};

/// Says over parent, in a French message box, why a file could not be read.
void reportUnreadableFile(const FileError& error, QWidget* parent);
/// Says over parent that a text is too large for the program or for the memory left.
void reportTooLargeText(QWidget* parent);

/// Reads and decodes the file at path into box, under the hourglass, then asks before
/// keeping a file of more than 64000 bytes; the text stays in the box while the question is
/// asked. A file that cannot be read is reported in a French message box over parent.
/// Returns what was opened when the text is kept, or nothing when the box was left empty (a
/// failure or a No).
std::optional<OpenedText> openTextInto(LoadedTextBox* box, const QString& path, QWidget* parent);

} // namespace quorvelle::ui
