// Reading back numbers as the program writes them for people.
#pragma once

#include <string>

namespace quorvelle::test {

/// Whether figure, a number as written for people (decimal comma, minus sign or hyphen), is
/// value rounded to the figure's last decimal.
bool agreesAtItsPrecision(std::string figure, double value);

} // namespace quorvelle::test
