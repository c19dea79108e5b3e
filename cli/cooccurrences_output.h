// Text, JSON and CSV output of the cooccurrences of two forms.
#pragma once

#include "cli/statistic_writers.h"
#include "core/reports/cooccurrence_report.h"
#include "core/statistics/cooccurrences_statistic.h"

#include <ostream>

namespace quorvelle::cli {

template <>
struct StatisticWriters<CooccurrencesStatistic> {
    static void writeText(std::ostream& out, const CooccurrenceReport& report);
    static void writeJson(JsonWriter& json, const CooccurrenceReport& report);
    static void writeCsv(CsvWriter& csv, const CooccurrenceReport& report);
};

} // namespace quorvelle::cli
