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

char decimalSeparator()
{
    const QString separator = QLocale().decimalPoint();
    return separator.size() == 1 && separator[0].unicode() < 0x80 ? separator[0].toLatin1() : ',';
}

QString figureText(const FigureValue& value, FigureFormat format)
{
    return QString::fromStdString(formattedFigure(value, format, '.'))
        .replace(QLatin1Char('.'), QLocale().decimalPoint());
}

QString measureText(const std::optional<double>& value)
{
    return value ? numberText(roundSignificant(*value, measureSignificantDigits))
                 : QString::fromUtf8(undefinedMeasure.data(), static_cast<qsizetype>(undefinedMeasure.size()));
}

} // namespace quorvelle::ui
