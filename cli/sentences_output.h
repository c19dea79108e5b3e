// Text, JSON and CSV output of the lengths of the sentences.
#pragma once

#include "cli/statistic_writers.h"
#include "core/reports/sentence_report.h"
#include "core/statistics/sentence_lengths_statistic.h"

#include <ostream>

namespace quorvelle::cli {

template <>
struct StatisticWriters<SentenceLengthsStatistic> {
    static void writeText(std::ostream& out, const SentenceListing& listing);
    static void writeJson(JsonWriter& json, const SentenceListing& listing);
    static void writeCsv(CsvWriter& csv, const SentenceListing& listing);
};

} // namespace quorvelle::cli
