// Writing a figure as its format says.
#include "core/presentation/figure_value.h"

#include "core/presentation/number_format.h"

namespace quorvelle {

std::string formattedFigure(const FigureValue& value, FigureFormat format, char decimalSeparator)
{
    if (const auto* count = std::get_if<std::int64_t>(&value))
        return std::to_string(*count);
    const std::optional<double>& number = std::get<std::optional<double>>(value);
    if (format == FigureFormat::Measure)
        return number ? formatNumber(roundSignificant(*number, measureSignificantDigits), decimalSeparator)
                      : std::string(undefinedMeasure);
    return number ? formatNumber(*number, decimalSeparator) : std::string();
}

} // namespace quorvelle
