// The frequencies of attestation and their deviations from the mean frequency.
#pragma once

#include "core/catalogue/row_figure.h"
#include "core/catalogue/statistic_register.h"
#include "core/catalogue/table_columns.h"
#include "core/explanations/vocabulary_explanations.h"
#include "core/reports/frequency_report.h"
#include "core/statistics/vocabulary_figures.h"
#include "core/text/analysed_texts.h"

#include <array>

namespace quorvelle {

struct FrequenciesStatistic {
    static constexpr const StatisticInfo& info = registered::frequencies;
    static FrequencyReport report(const AnalysedTexts& texts)
    {
        return frequencyReport(texts.firstTokens(Occurrences::Counted));
    }
    static constexpr std::array columns = {
        memberColumn<&FrequencyRow::frequency>("Fréq. d' attestation réelle"),
        memberColumn<&FrequencyRow::formCount>("Nombre de forme(s)"),
        memberColumn<&FrequencyRow::deviation>("Ecarts positifs ou négatifs"),
    };
    static constexpr TableColumns<FrequencyRow> table{info.title, columns};
    static constexpr const auto& figures = vocabularyFigures<FrequencyReport>;
    /// The deviation of each frequency from the mean.
    static constexpr std::array rowFigures = {RowFigure<FrequencyReport, FrequencyRow>{
        2, [](const FrequencyReport& report, const FrequencyRow& row, const ExplanationNumbers& numbers) {
            return explainDeviation(row.frequency, row.deviation, report.meanFrequency, numbers);
        }}};
};

} // namespace quorvelle
