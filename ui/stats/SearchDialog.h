// Asking for the forms to look for in the text: a form, a pattern or a regular expression.
#pragma once

#include "core/text/form_pattern.h"

#include <QDialog>

#include <optional>
#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace quorvelle::ui {

/// « Chercher dans le texte », modal over the main window: queryBox takes one form or several
/// (« le chat »), with wildcards (« citoy* », « ?ai* », « [éèe]t? ») or, with regexCheck, a
/// regular expression per form. « Chercher » refuses a malformed query, saying in problemLabel
/// what is wrong with it, and the dialog stays open for the user to mend it.
class SearchDialog final : public QDialog {
    Q_OBJECT
public:
    /// The query the user asks for, well formed under the letter rule, or nothing when the
    /// dialog is cancelled.
    static std::optional<TextQuery> ask(QWidget* parent, LetterRule letters);

    SearchDialog(LetterRule letters, QWidget* parent);

    /// The query as typed and read now.
    TextQuery query() const;

public slots:
    /// Closes the dialog when the query is well formed, or says what is wrong with it.
    void accept() override;

private:
    LetterRule letters_;
    QLineEdit* queryBox;
    QCheckBox* regexCheck;
    QLabel* problemLabel;
};

} // namespace quorvelle::ui
