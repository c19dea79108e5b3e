// The search dialog.
#include "ui/stats/SearchDialog.h"

#include "ui/cp1252_text.h"
#include "ui/window_layout.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvelle::ui {

std::optional<TextQuery> SearchDialog::ask(QWidget* parent, LetterRule letters)
{
    SearchDialog dialog(letters, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.query();
}

SearchDialog::SearchDialog(LetterRule letters, QWidget* parent)
    : QDialog(parent)
    , letters_(letters)
{
    setWindowTitle(tr("Parvane Dorlesca - Chercher dans le texte"));
    queryBox = new QLineEdit(this);
    Q_SET_OBJECT_NAME(queryBox);
    auto* queryLabel = new QLabel(tr("&Forme ou motif :"), this);
    queryLabel->setObjectName(QStringLiteral("queryLabel"));
    labelControl(queryLabel, queryBox);
    regexCheck = new QCheckBox(tr("&Expression régulière (une par forme)"), this);
    Q_SET_OBJECT_NAME(regexCheck);
    auto* hintLabel = new QLabel(tr("Jokers : * des lettres (citoy*), ? une lettre, [éèe] l'une de ces lettres. "
                                    "Plusieurs formes séparées d'espaces se suivent dans le texte (de *)."),
                                 this);
    hintLabel->setObjectName(QStringLiteral("hintLabel"));
    hintLabel->setWordWrap(true);
    problemLabel = new QLabel(this);
    Q_SET_OBJECT_NAME(problemLabel);
    problemLabel->setWordWrap(true);
    problemLabel->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    problemLabel->hide();

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* searchButton = buttons->addButton(tr("&Chercher"), QDialogButtonBox::AcceptRole);
    Q_SET_OBJECT_NAME(searchButton);
    searchButton->setDefault(true);
    buttons->addButton(tr("Annuler"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &SearchDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SearchDialog::reject);
    // A new query is yet to be judged.
    connect(queryBox, &QLineEdit::textEdited, problemLabel, &QLabel::hide);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(queryLabel);
    layout->addWidget(queryBox);
    layout->addWidget(regexCheck);
    layout->addWidget(hintLabel);
    layout->addWidget(problemLabel);
    layout->addWidget(buttons);
    resize(480, sizeHint().height());
}

TextQuery SearchDialog::query() const
{
    return {toCp1252(queryBox->text()),
            regexCheck->isChecked() ? PatternSyntax::RegularExpression : PatternSyntax::Wildcards};
}

void SearchDialog::accept()
{
    const TextQuery asked = query();
    QString problem;
    try {
        if (formQuery(asked.words, asked.syntax, letters_).empty())
            problem = tr("Tapez une forme, ou un motif.");
    } catch (const PatternError& error) {
        problem = QString::fromUtf8(error.what());
    }
    if (problem.isEmpty()) {
        QDialog::accept();
        return;
    }
    problemLabel->setText(problem);
    problemLabel->show();
    queryBox->setFocus();
}

} // namespace quorvelle::ui
