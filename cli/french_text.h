// Pieces of the French text output shared by every statistic.
#pragma once

#include "core/vocabulary.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace quorvelle::cli {

/// The decimal separator of the program's French output.
inline constexpr char frenchDecimalSeparator = ',';

/// A rounded value or deviation as the program writes it (12,5; -0,2; 100), or the empty
/// string for a value the statistic cannot define.
std::string frenchNumber(const std::optional<double>& value);

/// Writes a code page 1252 text as UTF-8.
void writeCp1252(std::ostream& out, std::string_view cp1252);

/// One line of a result box: the form, `blanks` blanks, "(count)", and a line end.
/// The windows put one blank (chat (2)) except the forms-by-length window, which puts two.
void writeFormLine(std::ostream& out, std::string_view cp1252Form, std::int64_t count, int blanks = 1);

/// A listing of a result box: one writeFormLine for each form.
void writeFormLines(std::ostream& out, std::span<const FormCount> forms, int blanks = 1);

/// A statistic's title line followed by an empty line.
void writeTitle(std::ostream& out, std::string_view title);

} // namespace quorvelle::cli
