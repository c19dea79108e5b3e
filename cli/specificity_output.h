// Text, JSON and CSV output of the specificities of two texts.
#pragma once

#include "cli/statistic_writers.h"
#include "core/reports/specificity_report.h"
#include "core/statistics/specificities_statistic.h"

#include <ostream>

namespace quorvelle::cli {

template <>
struct StatisticWriters<SpecificitiesStatistic> {
    /// The sizes of the texts, the threshold and how many forms reach it in each text, then the
    /// table of the forms that reach it.
    static void writeText(std::ostream& out, const SpecificityReport& report);
    /// {"n1", "n2", "threshold", "forms": [{"form", "f1", "f2", "specificity", "g2", "logRatio"}]}
    /// with every form, in full precision, ranked as the table.
    static void writeJson(JsonWriter& json, const SpecificityReport& report);
    /// The table of the forms that reach the threshold.
    static void writeCsv(CsvWriter& csv, const SpecificityReport& report);
};

} // namespace quorvelle::cli
