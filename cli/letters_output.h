// Text, JSON and CSV output of the forms per letter of the alphabet.
#pragma once

#include "cli/statistic_writers.h"
#include "core/reports/key_distribution.h"
#include "core/statistics/letters_statistic.h"

#include <ostream>

namespace quorvelle::cli {

template <>
struct StatisticWriters<LettersStatistic> {
    static void writeText(std::ostream& out, const LetterReport& report);
    static void writeJson(JsonWriter& json, const LetterReport& report);
    static void writeCsv(CsvWriter& csv, const LetterReport& report);
};

} // namespace quorvelle::cli
