// The core's number conversion under the user's locale.
#include "ui/number_text.h"

#include "core/presentation/number_format.h"

#include <QLocale>

namespace quorvelle::ui {

QString numberText(double value)
{
    // The core writes a full stop; the locale's separator may be longer than one byte.
    return QString::fromStdString(formatNumber(value, '.')).replace(QLatin1Char('.'), QLocale().decimalPoint());
}

} // namespace quorvelle::ui
