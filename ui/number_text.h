// Real numbers as the windows show them, with the user's decimal separator.
#pragma once

#include "core/presentation/figure_value.h"

#include <QString>

#include <optional>

namespace quorvelle::ui {

/// The general conversion of the core (at most 15 significant digits, no trailing zero,
/// no separator for a whole value) with the decimal separator of the default locale:
/// 12,5 and 12 under French settings.
QString numberText(double value);

/// The decimal separator of the default locale as the core's formatters take it, one byte: the
/// comma where the locale's is not a single ASCII character.
char decimalSeparator();

/// A figure as the windows show it (see formattedFigure), with the locale's decimal separator.
QString figureText(const FigureValue& value, FigureFormat format);

/// A measure as the windows show it: rounded to four significant digits, or "—" where it is
/// not defined.
QString measureText(const std::optional<double>& value);

} // namespace quorvelle::ui
