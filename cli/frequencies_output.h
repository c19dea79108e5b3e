// Text, JSON and CSV output of the frequencies of attestation and their deviations.
#pragma once

#include "cli/statistic_writers.h"
#include "core/reports/frequency_report.h"
#include "core/statistics/frequencies_statistic.h"

#include <ostream>

namespace quorvelle::cli {

template <>
struct StatisticWriters<FrequenciesStatistic> {
    static void writeText(std::ostream& out, const FrequencyReport& report);
    static void writeJson(JsonWriter& json, const FrequencyReport& report);
    static void writeCsv(CsvWriter& csv, const FrequencyReport& report);
};

} // namespace quorvelle::cli
