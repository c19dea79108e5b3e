// The pairs of letters that follow each other in the forms (phonic recurrences).
#pragma once

#include "core/catalogue/statistic_register.h"
#include "core/catalogue/table_columns.h"
#include "core/reports/key_distribution.h"
#include "core/statistics/letters_statistic.h"
#include "core/text/analysed_texts.h"

namespace quorvelle {

struct LetterPairsStatistic {
    static constexpr const StatisticInfo& info = registered::letterPairs;
    static LetterPairReport report(const AnalysedTexts& texts)
    {
        return letterPairReport(texts.firstTokens(Occurrences::Counted));
    }
    static constexpr TableColumns<OccurrenceRow> table{info.title, letterColumns};
};

} // namespace quorvelle
