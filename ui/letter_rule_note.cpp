// The extended letter rule, said under a window's title.
#include "ui/letter_rule_note.h"

#include "core/presentation/french_messages.h"
#include "ui/cp1252_text.h"
#include "ui/studied_files.h"

#include <QBoxLayout>
#include <QLabel>

namespace quorvelle::ui {

void insertLetterRuleNote(QBoxLayout* layout, int index, QWidget* window)
{
    if (studiedLetters(window) != LetterRule::Extended)
        return;
    auto* letterRuleLabel = new QLabel(utf8Text(french::extendedLettersNote), window);
    Q_SET_OBJECT_NAME(letterRuleLabel);
    layout->insertWidget(index, letterRuleLabel, 0, Qt::AlignHCenter);
}

} // namespace quorvelle::ui
