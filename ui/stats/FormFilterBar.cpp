// The filter bar of the lists of forms.
#include "ui/stats/FormFilterBar.h"

#include "core/explanations/figure_explanation.h"
#include "ui/cp1252_text.h"
#include "ui/function_words_setting.h"
#include "ui/window_layout.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace quorvelle::ui {

FormFilterBar::FormFilterBar(LetterRule letters, FunctionWordChoice choice, QWidget* parent)
    : QWidget(parent)
    , letters_(letters)
{
    filterBox = new QLineEdit(this);
    Q_SET_OBJECT_NAME(filterBox);
    filterBox->setClearButtonEnabled(true);
    filterBox->setPlaceholderText(tr("début d'une forme, ou motif : citoy*"));
    filterBox->setToolTip(tr("Les lignes dont une forme commence par ce qui est tapé ; avec jokers, dont une forme "
                             "répond au motif : * des lettres, ? une lettre, [éèe] l'une de ces lettres. Plusieurs "
                             "formes séparées d'espaces se suivent. Échap efface le filtre."));
    auto* filterLabel = new QLabel(tr("Fil&trer :"), this);
    filterLabel->setObjectName(QStringLiteral("filterLabel"));
    labelControl(filterLabel, filterBox);
    // Enabled only while there is something to clear, so that Échap in an empty box still
    // closes the window.
    clearAction_ = new QAction(tr("Effacer le filtre"), filterBox);
    clearAction_->setShortcut(Qt::Key_Escape);
    clearAction_->setShortcutContext(Qt::WidgetShortcut);
    clearAction_->setEnabled(false);
    filterBox->addAction(clearAction_);
    rowCountLabel = new QLabel(this);
    Q_SET_OBJECT_NAME(rowCountLabel);
    rowCountLabel->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(filterLabel);
    layout->addWidget(filterBox, 1);
    if (choice == FunctionWordChoice::Offered) {
        functionWordsCheck = new QCheckBox(tr("Sans les mots-&outils"), this);
        Q_SET_OBJECT_NAME(functionWordsCheck);
        functionWordsCheck->setToolTip(
            tr("Laisse de côté les formes de la liste des mots-outils (Outils › Mots-outils... dans la fenêtre "
               "principale) ; un segment n'est écarté que fait de mots-outils seuls."));
        layout->addWidget(functionWordsCheck);
        connect(functionWordsCheck, &QCheckBox::toggled, this, &FormFilterBar::readFunctionWordChoice);
        connect(&FunctionWordList::instance(), &FunctionWordList::saved, this, [this] {
            if (functionWordsCheck->isChecked())
                readFunctionWordChoice();
        });
    }
    layout->addWidget(rowCountLabel);

    connect(filterBox, &QLineEdit::textChanged, this, &FormFilterBar::readFilter);
    connect(clearAction_, &QAction::triggered, filterBox, &QLineEdit::clear);
}

std::vector<std::size_t> FormFilterBar::shownAmong(std::vector<std::size_t> candidates,
                                                   const std::function<std::string(std::size_t place)>& lineOf)
{
    return kept(std::move(candidates), [this, &lineOf](std::size_t place) { return passes(lineOf(place)); });
}

bool FormFilterBar::passes(std::string_view text) const
{
    return filter_.matches(text) && !(setAside_ && setAside_->containsEach(text));
}

std::vector<std::size_t> FormFilterBar::kept(std::vector<std::size_t> candidates,
                                             const std::function<bool(std::size_t)>& passing)
{
    const std::size_t total = candidates.size();
    if (!filter_.empty() || setAside_)
        std::erase_if(candidates, [&passing](std::size_t place) { return !passing(place); });
    if (!problem_.isEmpty())
        rowCountLabel->setText(problem_);
    else if (candidates.size() == total)
        rowCountLabel->setText(
            utf8Text(ExplanationNumbers::counted(static_cast<std::int64_t>(total), "ligne", "lignes")));
    else
        rowCountLabel->setText(tr("%1 sur %2")
                                   .arg(utf8Text(ExplanationNumbers::counted(
                                            static_cast<std::int64_t>(candidates.size()), "ligne", "lignes")),
                                        QString::number(total)));
    return candidates;
}

void FormFilterBar::readFilter()
{
    clearAction_->setEnabled(!filterBox->text().isEmpty());
    try {
        filter_ = FormFilter(toCp1252(filterBox->text()), letters_);
        problem_.clear();
    } catch (const PatternError& error) {
        problem_ = QString::fromUtf8(error.what());
    }
    emit changed();
}

void FormFilterBar::readFunctionWordChoice()
{
    if (functionWordsCheck->isChecked())
        setAside_ = savedFunctionWords();
    else
        setAside_.reset();
    emit changed();
}

} // namespace quorvelle::ui
