// Tables as CSV files that French spreadsheets open as they are.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace quorvelle {

/// The UTF-8 byte-order mark that tells a spreadsheet the file's encoding.
inline constexpr std::string_view csvByteOrderMark = "\xEF\xBB\xBF";

/// One line of fields separated by ";" and ended by CR LF; a field holding ";", a quote or a
/// line end is quoted, its quotes doubled.
std::string csvLine(std::span<const std::string> fields);

} // namespace quorvelle
