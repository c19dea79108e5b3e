// Text and JSON output of the richness measures of a vocabulary.
#pragma once

#include "cli/json_writer.h"
#include "core/richness_report.h"

#include <ostream>

namespace quorvelle::cli {

/// The three counts, then each measure on its line with its formula, rounded to four
/// significant digits; "—" for a measure the text cannot define.
void writeText(std::ostream& out, const RichnessReport& report);
/// One object: the counts, then each measure at full precision, or null.
void writeJson(JsonWriter& json, const RichnessReport& report);

} // namespace quorvelle::cli
