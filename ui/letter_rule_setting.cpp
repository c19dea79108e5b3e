// The letter rule in the user's settings.
#include "ui/letter_rule_setting.h"

#include "ui/user_settings.h"

namespace quorvelle::ui {
namespace {

const QString extendedLettersKey = QStringLiteral("letters/extended");

} // namespace

LetterRule savedLetterRule()
{
    return userSettings()->value(extendedLettersKey, false).toBool() ? LetterRule::Extended : LetterRule::Classic;
}

void saveLetterRule(LetterRule letters)
{
    userSettings()->setValue(extendedLettersKey, letters == LetterRule::Extended);
}

} // namespace quorvelle::ui
