// Opening a text file into a text box, as the main window's "&Ouvrir..." does.
#pragma once

#include <QString>

class QWidget;

namespace quorvelle::ui {

class PlainTextBox;

/// Reads and decodes the file at path into box, under the hourglass, then asks before
/// keeping a file of more than 64000 bytes; the text stays in the box while the question is
/// asked. A file that cannot be read is reported in a French message box over parent.
/// Returns the file's full path when the text is kept, or an empty string when the box was
/// left empty (a failure or a No).
QString openTextInto(PlainTextBox* box, const QString& path, QWidget* parent);

} // namespace quorvelle::ui
