// The French text form of each report, laid out as the program's windows show it.
#pragma once

#include "core/character_counts.h"
#include "core/vocabulary_report.h"

#include <cstdint>
#include <optional>
#include <string>

namespace quorvelle::cli {

/// The decimal separator of the program's French output.
inline constexpr char frenchDecimalSeparator = ',';

/// A rounded value as the program writes it (12,5), or the empty string for no value.
std::string frenchNumber(const std::optional<double>& value);

std::string toText(const CharacterCounts& counts);
std::string toText(const VocabularyReport& report);

} // namespace quorvelle::cli
