// The co-occurrences: how many pairs of forms meet how often.
#pragma once

#include "core/catalogue/statistic_register.h"
#include "core/catalogue/table_columns.h"
#include "core/reports/cooccurrence_report.h"
#include "core/text/analysed_texts.h"

#include <array>

namespace quorvelle {

struct CooccurrencesStatistic {
    static constexpr const StatisticInfo& info = registered::cooccurrences;
    static CooccurrenceReport report(const AnalysedTexts& texts) { return cooccurrenceReport(texts.firstTokens()); }
    static constexpr std::array columns = {
        memberColumn<&CooccurrenceRow::count>("Nombre d'attestations"),
        memberColumn<&CooccurrenceRow::pairCount>("Nombre de cooccurrences différentes"),
    };
    static constexpr TableColumns<CooccurrenceRow> table{info.title, columns};
};

} // namespace quorvelle
