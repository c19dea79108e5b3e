// Text, JSON and CSV output of the comparison of the vocabularies of two texts.
#pragma once

#include "cli/statistic_writers.h"
#include "core/reports/vocabulary_comparison.h"
#include "core/statistics/comparison_statistic.h"

#include <ostream>

namespace quorvelle::cli {

template <>
struct StatisticWriters<ComparisonStatistic> {
    static void writeText(std::ostream& out, const VocabularyComparison& comparison);
    static void writeJson(JsonWriter& json, const VocabularyComparison& comparison);
    static void writeCsv(CsvWriter& csv, const VocabularyComparison& comparison);
};

} // namespace quorvelle::cli
