// Text, JSON and CSV output of the forms per doubled letter.
#pragma once

#include "cli/statistic_writers.h"
#include "core/reports/key_distribution.h"
#include "core/statistics/doubled_letters_statistic.h"

#include <ostream>

namespace quorvelle::cli {

template <>
struct StatisticWriters<DoubledLettersStatistic> {
    static void writeText(std::ostream& out, const DoubledLetterReport& report);
    static void writeJson(JsonWriter& json, const DoubledLetterReport& report);
    static void writeCsv(CsvWriter& csv, const DoubledLetterReport& report);
};

} // namespace quorvelle::cli
