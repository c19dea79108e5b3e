// The core's number conversion under the user's locale.
#include "ui/number_text.h"

#include "core/presentation/number_format.h"

#include <QLocale>

namespace quorvelle::ui {
namespace {

constexpr int measureDigits = 4;

} // namespace

QString numberText(double value)
{
    // The core writes a full stop; the locale's separator may be longer than one byte.
    return QString::fromStdString(formatNumber(value, '.')).replace(QLatin1Char('.'), QLocale().decimalPoint());
}

QString measureText(const std::optional<double>& value)
{
    return value ? numberText(roundSignificant(*value, measureDigits)) : QStringLiteral("—");
}

} // namespace quorvelle::ui
