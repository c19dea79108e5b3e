// Text, JSON and CSV output of the numbers of characters and of words.
#pragma once

#include "cli/statistic_writers.h"
#include "core/reports/character_counts.h"
#include "core/statistics/counts_statistic.h"

#include <ostream>

namespace quorvelle::cli {

template <>
struct StatisticWriters<CountsStatistic> {
    static void writeText(std::ostream& out, const CharacterCounts& counts);
    static void writeJson(JsonWriter& json, const CharacterCounts& counts);
    static void writeCsv(CsvWriter& csv, const CharacterCounts& counts);
};

} // namespace quorvelle::cli
