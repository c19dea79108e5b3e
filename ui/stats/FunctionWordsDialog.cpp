// The function words dialog.
#include "ui/stats/FunctionWordsDialog.h"

#include "core/explanations/figure_explanation.h"
#include "ui/cp1252_text.h"
#include "ui/function_words_setting.h"
#include "ui/window_layout.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvelle::ui {

void FunctionWordsDialog::edit(QWidget* parent)
{
    FunctionWordsDialog dialog(parent);
    dialog.exec();
}

FunctionWordsDialog::FunctionWordsDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Parvane Dorlesca - Mots-outils"));
    auto* introLabel = new QLabel(tr("Les formes que « Sans les mots-outils » laisse de côté dans les listes et "
                                     "le nuage de mots. Une forme par ligne ; une ligne qui commence par # est "
                                     "un commentaire."),
                                  this);
    introLabel->setObjectName(QStringLiteral("introLabel"));
    introLabel->setWordWrap(true);
    wordListBox = new QPlainTextEdit(savedFunctionWordLines(), this);
    Q_SET_OBJECT_NAME(wordListBox);
    auto* listLabel = new QLabel(tr("&Mots-outils :"), this);
    listLabel->setObjectName(QStringLiteral("listLabel"));
    labelControl(listLabel, wordListBox);
    wordCountLabel = new QLabel(this);
    Q_SET_OBJECT_NAME(wordCountLabel);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* restoreButton = buttons->addButton(tr("&Rétablir la liste du programme"), QDialogButtonBox::ResetRole);
    Q_SET_OBJECT_NAME(restoreButton);
    QPushButton* saveButton = buttons->addButton(tr("&Enregistrer"), QDialogButtonBox::AcceptRole);
    Q_SET_OBJECT_NAME(saveButton);
    buttons->addButton(tr("Annuler"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &FunctionWordsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &FunctionWordsDialog::reject);
    connect(restoreButton, &QPushButton::clicked, this,
            [this] { wordListBox->setPlainText(frenchFunctionWordLines()); });
    connect(wordListBox, &QPlainTextEdit::textChanged, this, &FunctionWordsDialog::countWords);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(introLabel);
    layout->addWidget(listLabel);
    layout->addWidget(wordListBox, 1);
    layout->addWidget(wordCountLabel);
    layout->addWidget(buttons);
    resize(420, 560);
    countWords();
}

void FunctionWordsDialog::accept()
{
    saveFunctionWordLines(wordListBox->toPlainText());
    QDialog::accept();
}

void FunctionWordsDialog::countWords()
{
    const auto count = static_cast<std::int64_t>(functionWordsOf(wordListBox->toPlainText()).size());
    wordCountLabel->setText(utf8Text(ExplanationNumbers::counted(count, "forme", "formes")));
}

} // namespace quorvelle::ui
