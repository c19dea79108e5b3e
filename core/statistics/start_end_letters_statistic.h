// The letters that start and that end the forms.
#pragma once

#include "core/catalogue/statistic_register.h"
#include "core/catalogue/table_columns.h"
#include "core/reports/edge_letter_report.h"
#include "core/text/analysed_texts.h"

#include <array>

namespace quorvelle {

struct StartEndLettersStatistic {
    static constexpr const StatisticInfo& info = registered::startEndLetters;
    static EdgeLetterReport report(const AnalysedTexts& texts)
    {
        return edgeLetterReport(texts.firstTokens(Occurrences::Counted));
    }
    static constexpr std::array columns = {
        memberColumn<&EdgeLetterRow::letter>("Lettres"),
        memberColumn<&EdgeLetterRow::startCount>("Début"),
        memberColumn<&EdgeLetterRow::endCount>("Fin"),
    };
    static constexpr TableColumns<EdgeLetterRow> table{"Lettres de l'alphabet - début/fin de mot", columns};
};

} // namespace quorvelle
