// Text, JSON and CSV output of the vocabulary list.
#pragma once

#include "cli/statistic_writers.h"
#include "core/reports/vocabulary_report.h"
#include "core/statistics/vocabulary_statistic.h"

#include <ostream>

namespace quorvelle::cli {

template <>
struct StatisticWriters<VocabularyStatistic> {
    static void writeText(std::ostream& out, const VocabularyReport& report);
    static void writeJson(JsonWriter& json, const VocabularyReport& report);
    /// The forms in alphabetical order; a spreadsheet sorts them by frequency.
    static void writeCsv(CsvWriter& csv, const VocabularyReport& report);
};

} // namespace quorvelle::cli
