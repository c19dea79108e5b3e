// The program's settings store.
#include "ui/user_settings.h"

namespace quorvelle::ui {

std::unique_ptr<QSettings> userSettings()
{
    return std::make_unique<QSettings>(QStringLiteral("Quorvelle"), QStringLiteral("Quorvelle"));
}

} // namespace quorvelle::ui
