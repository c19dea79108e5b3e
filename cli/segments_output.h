// Text, JSON and CSV output of the repeated segments.
#pragma once

#include "cli/csv_writer.h"
#include "cli/json_writer.h"
#include "core/reports/repeated_segments.h"

#include <ostream>

namespace quorvelle::cli {

/// N, the options that chose the segments and their number, then the table of the segments.
void writeText(std::ostream& out, const RepeatedSegmentsReport& report);
/// {"segments": [{"forms": [...], "frequency", "length"}, ...]} in the report's order.
void writeJson(JsonWriter& json, const RepeatedSegmentsReport& report);
/// The table of the segments.
void writeCsv(CsvWriter& csv, const RepeatedSegmentsReport& report);

} // namespace quorvelle::cli
