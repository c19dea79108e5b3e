// The vocabulary list: every distinct form with its attestations, and N, V and N / V.
#pragma once

#include "core/catalogue/statistic_register.h"
#include "core/catalogue/table_columns.h"
#include "core/reports/vocabulary_report.h"
#include "core/statistics/vocabulary_figures.h"
#include "core/text/analysed_texts.h"

#include <array>

namespace quorvelle {

struct VocabularyStatistic {
    static constexpr const StatisticInfo& info = registered::vocabulary;
    static VocabularyReport report(const AnalysedTexts& texts)
    {
        return vocabularyReport(texts.firstTokens(Occurrences::Counted));
    }
    static constexpr std::array columns = {
        memberColumn<&FormCount::form>("Formes"),
        memberColumn<&FormCount::count>("Nombre d'attestations"),
    };
    static constexpr TableColumns<FormCount> table{info.title, columns};
    static constexpr const auto& figures = vocabularyFigures<VocabularyReport>;
};

} // namespace quorvelle
