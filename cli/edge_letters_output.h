// Text, JSON and CSV output of the letters that start and end the forms.
#pragma once

#include "cli/statistic_writers.h"
#include "core/reports/edge_letter_report.h"
#include "core/statistics/start_end_letters_statistic.h"

#include <ostream>

namespace quorvelle::cli {

template <>
struct StatisticWriters<StartEndLettersStatistic> {
    static void writeText(std::ostream& out, const EdgeLetterReport& report);
    static void writeJson(JsonWriter& json, const EdgeLetterReport& report);
    static void writeCsv(CsvWriter& csv, const EdgeLetterReport& report);
};

} // namespace quorvelle::cli
