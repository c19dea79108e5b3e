// Text, JSON and CSV output of the repeated segments.
#pragma once

#include "cli/statistic_writers.h"
#include "core/reports/repeated_segments.h"
#include "core/statistics/segments_statistic.h"

#include <ostream>

namespace quorvelle::cli {

template <>
struct StatisticWriters<SegmentsStatistic> {
    /// N, the options that chose the segments and their number, then the table of the segments.
    static void writeText(std::ostream& out, const RepeatedSegmentsReport& report);
    /// {"segments": [{"forms": [...], "frequency", "length"}, ...]} in the report's order.
    static void writeJson(JsonWriter& json, const RepeatedSegmentsReport& report);
    /// The table of the segments.
    static void writeCsv(CsvWriter& csv, const RepeatedSegmentsReport& report);
};

} // namespace quorvelle::cli
