// Text, JSON and CSV output of the enrichment of the vocabulary, slice by slice.
#pragma once

#include "cli/statistic_writers.h"
#include "core/reports/enrichment_report.h"
#include "core/statistics/enrichment_statistic.h"

#include <ostream>

namespace quorvelle::cli {

template <>
struct StatisticWriters<EnrichmentStatistic> {
    static void writeText(std::ostream& out, const EnrichmentReport& report);
    static void writeJson(JsonWriter& json, const EnrichmentReport& report);
    static void writeCsv(CsvWriter& csv, const EnrichmentReport& report);
};

} // namespace quorvelle::cli
