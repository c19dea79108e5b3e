// Numbers written for people, read back.
#include "tests/cli/written_numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <regex>

namespace quorvelle::test {

bool agreesAtItsPrecision(std::string figure, double value)
{
    figure = std::regex_replace(figure, std::regex("\xE2\x88\x92"), "-");
    std::ranges::replace(figure, ',', '.');
    double written = 0;
    const auto [end, error] = std::from_chars(figure.data(), figure.data() + figure.size(), written);
    const std::size_t point = figure.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(figure.size() - point - 1);
    return error == std::errc() && end == figure.data() + figure.size()
        && std::abs(written - value) <= 0.5 * std::pow(10.0, -decimals) + 1e-9;
}

} // namespace quorvelle::test
