// Text, JSON and CSV output of the forms per pair of letters (phonic recurrences).
#pragma once

#include "cli/statistic_writers.h"
#include "core/reports/key_distribution.h"
#include "core/statistics/letter_pairs_statistic.h"

#include <ostream>

namespace quorvelle::cli {

template <>
struct StatisticWriters<LetterPairsStatistic> {
    static void writeText(std::ostream& out, const LetterPairReport& report);
    static void writeJson(JsonWriter& json, const LetterPairReport& report);
    static void writeCsv(CsvWriter& csv, const LetterPairReport& report);
};

} // namespace quorvelle::cli
