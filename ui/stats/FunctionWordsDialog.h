// The dialog where the user reads and edits the function words (« Outils › Mots-outils... »).
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;

namespace quorvelle::ui {

/// Shows the user's function words, one a line, to edit; « Enregistrer » keeps them for this
/// run and the next ones (see saveFunctionWordLines), « Rétablir la liste du programme » puts the
/// program's French list back in the box.
class FunctionWordsDialog final : public QDialog {
    Q_OBJECT
public:
    /// Opens the dialog, modal, over parent.
    static void edit(QWidget* parent);

    explicit FunctionWordsDialog(QWidget* parent);

    void accept() override;

    QPlainTextEdit* wordListBox;
    QLabel* wordCountLabel;

private:
    /// Says how many forms the box holds.
    void countWords();
};

} // namespace quorvelle::ui
