// The 15-significant-digit conversion and the rounding to significant digits.
#include "core/presentation/number_format.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace quorvelle {
namespace {

constexpr int significantDigits = 15;

} // namespace

std::string formatNumber(double value, char decimalSeparator)
{
    if (!std::isfinite(value))
        return {};
    // Scientific notation with 15 significant digits gives the digits and the exponent;
    // the positional text is rebuilt from them.
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, significantDigits - 1);
    const std::string_view scientific(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const bool negative = scientific.front() == '-';
    const std::size_t exponentMark = scientific.find('e');
    std::string digits;
    for (const char c : scientific.substr(0, exponentMark))
        if (c >= '0' && c <= '9')
            digits.push_back(c);
    std::string_view exponentText = scientific.substr(exponentMark + 1);
    if (exponentText.front() == '+')
        exponentText.remove_prefix(1);
    int exponent = 0;
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);

    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    if (digits == "0")
        return "0";

    // The decimal point falls after exponent + 1 digits.
    const long pointPosition = exponent + 1L;
    std::string integerPart;
    std::string fractionPart;
    if (pointPosition <= 0) {
        integerPart = "0";
        fractionPart = std::string(static_cast<std::size_t>(-pointPosition), '0') + digits;
    } else if (static_cast<std::size_t>(pointPosition) >= digits.size()) {
        integerPart = digits + std::string(static_cast<std::size_t>(pointPosition) - digits.size(), '0');
    } else {
        integerPart = digits.substr(0, static_cast<std::size_t>(pointPosition));
        fractionPart = digits.substr(static_cast<std::size_t>(pointPosition));
    }

    std::string text = negative ? "-" : "";
    text += integerPart;
    if (!fractionPart.empty()) {
        text += decimalSeparator;
        text += fractionPart;
    }
    return text;
}

double roundSignificant(double value, int digits)
{
    if (value == 0 || !std::isfinite(value))
        return value;
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const double scale = std::pow(10.0, digits - 1 - magnitude);
    return std::round(value * scale) / scale;
}

} // namespace quorvelle
