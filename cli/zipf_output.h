// Text, JSON and CSV output of Zipf's law.
#pragma once

#include "cli/statistic_writers.h"
#include "core/reports/zipf_report.h"
#include "core/statistics/zipf_statistic.h"

#include <ostream>

namespace quorvelle::cli {

template <>
struct StatisticWriters<ZipfStatistic> {
    /// N, D and the fitted line (a, b and R² to four significant digits, "—" where undefined),
    /// then the table of the forms by rank.
    static void writeText(std::ostream& out, const ZipfReport& report);
    /// {"tokenCount", "distinctCount", "intercept", "slope", "determination", "rows": [[rank,
    /// form, attestations], …]}, the line's figures in full precision, null where undefined.
    static void writeJson(JsonWriter& json, const ZipfReport& report);
    /// The totals and the line's figures (15 significant digits, empty where undefined), then the
    /// table of the forms by rank.
    static void writeCsv(CsvWriter& csv, const ZipfReport& report);
};

} // namespace quorvelle::cli
