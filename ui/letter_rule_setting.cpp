// The letter rule in the user's settings.
#include "ui/letter_rule_setting.h"

#include <QSettings>

namespace quorvelle::ui {
namespace {

const QString organization = QStringLiteral("Quorvelle");
const QString application = QStringLiteral("Quorvelle");
const QString extendedLettersKey = QStringLiteral("letters/extended");

} // namespace

LetterRule savedLetterRule()
{
    const QSettings settings(organization, application);
    return settings.value(extendedLettersKey, false).toBool() ? LetterRule::Extended : LetterRule::Classic;
}

void saveLetterRule(LetterRule letters)
{
    QSettings settings(organization, application);
    settings.setValue(extendedLettersKey, letters == LetterRule::Extended);
}

} // namespace quorvelle::ui
