// Text, JSON and CSV output of Zipf's law.
#pragma once

#include "cli/csv_writer.h"
#include "cli/json_writer.h"
#include "core/reports/zipf_report.h"

#include <ostream>

namespace quorvelle::cli {

/// N, D and the fitted line (a, b and R² to four significant digits, "—" where undefined),
/// then the table of the forms by rank.
void writeText(std::ostream& out, const ZipfReport& report);
/// {"tokenCount", "distinctCount", "intercept", "slope", "determination", "rows": [[rank,
/// form, attestations], …]}, the line's figures in full precision, null where undefined.
void writeJson(JsonWriter& json, const ZipfReport& report);
/// The totals and the line's figures (15 significant digits, empty where undefined), then the
/// table of the forms by rank.
void writeCsv(CsvWriter& csv, const ZipfReport& report);

} // namespace quorvelle::cli
