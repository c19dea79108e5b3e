// Text, JSON and CSV output of the richness measures of a vocabulary.
#pragma once

#include "cli/statistic_writers.h"
#include "core/reports/richness_report.h"
#include "core/statistics/richness_statistic.h"

#include <ostream>

namespace quorvelle::cli {

template <>
struct StatisticWriters<RichnessStatistic> {
    /// The three counts, then each measure on its line with its formula, rounded to four
    /// significant digits; "—" for a measure the text cannot define.
    static void writeText(std::ostream& out, const RichnessReport& report);
    /// One object: the counts, then each measure at full precision, or null.
    static void writeJson(JsonWriter& json, const RichnessReport& report);
    /// The counts, then each measure with its value (15 significant digits, empty when undefined)
    /// and its formula.
    static void writeCsv(CsvWriter& csv, const RichnessReport& report);
};

} // namespace quorvelle::cli
