// The forms by the letters of the alphabet they hold.
#pragma once

#include "core/catalogue/statistic_register.h"
#include "core/catalogue/table_columns.h"
#include "core/reports/key_distribution.h"
#include "core/text/analysed_texts.h"

#include <array>

namespace quorvelle {

/// The columns of the tables of letters and of letter pairs: each key's attestations and forms.
inline constexpr std::array letterColumns = {
    memberColumn<&OccurrenceRow::occurrences>("Nombre d' attestation(s)"),
    memberColumn<&OccurrenceRow::formCount>("Nombre de forme(s)"),
};

struct LettersStatistic {
    static constexpr const StatisticInfo& info = registered::letters;
    static LetterReport report(const AnalysedTexts& texts)
    {
        return letterReport(texts.firstTokens(Occurrences::Counted));
    }
    static constexpr TableColumns<OccurrenceRow> table{info.title, letterColumns};
};

} // namespace quorvelle
