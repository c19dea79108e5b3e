// The JSON form of each report.
#pragma once

#include "core/character_counts.h"
#include "core/vocabulary_report.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <vector>

namespace quorvelle::cli {

using Json = nlohmann::ordered_json;

/// A rounded value or deviation as the program shows it: at most 15 significant digits,
/// an integer when the value is whole (50, not 50.0).
Json jsonNumber(double value);
/// As above, and null for a value the statistic cannot define.
Json jsonNumber(const std::optional<double>& value);

/// [form, count] rows, forms in UTF-8.
Json jsonFormCounts(const std::vector<FormCount>& forms);

Json toJson(const CharacterCounts& counts);
Json toJson(const VocabularyReport& report);

} // namespace quorvelle::cli
