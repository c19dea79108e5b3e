// The forms by their number of characters.
#pragma once

#include "core/catalogue/row_figure.h"
#include "core/catalogue/statistic_register.h"
#include "core/catalogue/table_columns.h"
#include "core/explanations/composition_explanations.h"
#include "core/reports/length_report.h"
#include "core/text/analysed_texts.h"

#include <array>

namespace quorvelle {

struct LengthsStatistic {
    static constexpr const StatisticInfo& info = registered::lengths;
    static LengthReport report(const AnalysedTexts& texts)
    {
        return lengthReport(texts.firstTokens(Occurrences::Counted));
    }
    static constexpr std::array columns = {
        memberColumn<&LengthRow::formCount>("Nombre de forme(s)"),
        memberColumn<&LengthRow::length>("Nombre caractères par forme"),
        memberColumn<&LengthRow::percentage>("%"),
    };
    static constexpr TableColumns<LengthRow> table{info.title, columns};
    /// The share of the forms of each length.
    static constexpr std::array rowFigures = {RowFigure<LengthReport, LengthRow>{2, explainLengthShare}};
};

} // namespace quorvelle
