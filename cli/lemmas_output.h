// Text, JSON and CSV output of the lemmas and categories.
#pragma once

#include "cli/statistic_writers.h"
#include "core/lemmas/lemma_report.h"
#include "core/statistics/lemmas_statistic.h"

#include <ostream>

namespace quorvelle::cli {

template <>
struct StatisticWriters<LemmasStatistic> {
    /// The words read, the profile of the categories, the lemmas, then the unknown forms.
    static void writeText(std::ostream& out, const LemmaReport& report);
    /// {"words", "lemmas": [{"lemma", "category", "count", "forms": [[form, count]...],
    /// "ambiguous", "alternatives": [[lemma, category]...]}...], "categories": [{"category",
    /// "count", "distinct", "share"}...], "unknown": [[form, count]...]}.
    static void writeJson(JsonWriter& json, const LemmaReport& report);
    /// The lemmas, then the profile of the categories.
    static void writeCsv(CsvWriter& csv, const LemmaReport& report);
};

} // namespace quorvelle::cli
