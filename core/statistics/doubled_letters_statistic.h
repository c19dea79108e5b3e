// The letters doubled in the forms.
#pragma once

#include "core/catalogue/statistic_register.h"
#include "core/catalogue/table_columns.h"
#include "core/reports/key_distribution.h"
#include "core/text/analysed_texts.h"

#include <array>

namespace quorvelle {

struct DoubledLettersStatistic {
    static constexpr const StatisticInfo& info = registered::doubledLetters;
    static DoubledLetterReport report(const AnalysedTexts& texts)
    {
        return doubledLetterReport(texts.firstTokens(Occurrences::Counted));
    }
    static constexpr std::array columns = {
        memberColumn<&OccurrenceRow::occurrences>("Nombre d' attestations"),
        memberColumn<&OccurrenceRow::formCount>("Nombres de formes"),
    };
    static constexpr TableColumns<OccurrenceRow> table{info.title, columns};
};

} // namespace quorvelle
