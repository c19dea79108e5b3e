// A figure's value and how it is written, whatever shows it: a window, a listing, a table.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace quorvelle {

/// How a figure is written.
enum class FigureFormat {
    Count,   ///< a whole number: 12
    Rounded, ///< a value its report has rounded: 1,3; nothing where the text leaves it undefined
    Measure, ///< four significant digits: 643,8; "—" where the text leaves it undefined
};

/// A count, or a value a text may leave undefined.
using FigureValue = std::variant<std::int64_t, std::optional<double>>;

/// The figure as the program writes it, with the decimal separator given (UTF-8).
std::string formattedFigure(const FigureValue& value, FigureFormat format, char decimalSeparator);

} // namespace quorvelle
