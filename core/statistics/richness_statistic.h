// The richness of the vocabulary: N, V and V1, and the measures built on them.
#pragma once

#include "core/catalogue/statistic_register.h"
#include "core/reports/richness_report.h"
#include "core/statistics/richness_figures.h"
#include "core/text/analysed_texts.h"

namespace quorvelle {

struct RichnessStatistic {
    static constexpr const StatisticInfo& info = registered::richness;
    static RichnessReport report(const AnalysedTexts& texts) { return richnessReport(texts.firstTokens()); }
    static constexpr const auto& counts = richnessCounts;
    static constexpr const auto& measures = richnessMeasures;
    /// N, V and V1, then the measures.
    static constexpr auto figures = joinedFigures(counts, measures);
};

} // namespace quorvelle
