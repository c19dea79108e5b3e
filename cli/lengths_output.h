// Text, JSON and CSV output of the forms by number of characters.
#pragma once

#include "cli/statistic_writers.h"
#include "core/reports/length_report.h"
#include "core/statistics/lengths_statistic.h"

#include <ostream>

namespace quorvelle::cli {

template <>
struct StatisticWriters<LengthsStatistic> {
    static void writeText(std::ostream& out, const LengthReport& report);
    static void writeJson(JsonWriter& json, const LengthReport& report);
    static void writeCsv(CsvWriter& csv, const LengthReport& report);
};

} // namespace quorvelle::cli
