// The figures of a statistic that explain how they are computed, as the catalogue lists them.
#pragma once

#include "core/explanations/figure_explanation.h"
#include "core/explanations/vocabulary_explanations.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace quorvelle {

/// A total of a statistic's report and how it is computed from the report.
template <class Report>
struct TotalFigure {
    /// the total's name in quorvelle-cli's JSON, "meanFrequency"; empty for a count the JSON
    /// leaves to its reader
    std::string_view name;
    FigureExplanation (*explain)(const Report&, const ExplanationNumbers&);
};

/// A figure of every row of a statistic's table: its column, and how it is computed for a
/// row of the report.
template <class Report, class Row>
struct RowFigure {
    std::size_t column; ///< its place among the table's columns
    FigureExplanation (*explain)(const Report&, const Row&, const ExplanationNumbers&);
};

/// The explanation of the total of that name, which the statistic's list must hold.
template <class Report, std::size_t Count>
FigureExplanation explainTotal(const std::array<TotalFigure<Report>, Count>& totals, std::string_view name,
                               const Report& report, const ExplanationNumbers& numbers)
{
    for (const TotalFigure<Report>& total : totals)
        if (total.name == name)
            return total.explain(report, numbers);
    return {};
}

/// N, V and N / V, for the reports that hold them under those names.
template <class Report>
inline constexpr std::array vocabularyTotalFigures = {
    TotalFigure<Report>{"tokenCount",
                        [](const Report& report, const ExplanationNumbers& numbers) {
                            return explainTokenCount(report.tokenCount, numbers);
                        }},
    TotalFigure<Report>{"distinctCount",
                        [](const Report& report, const ExplanationNumbers& numbers) {
                            return explainDistinctCount(report.distinctCount, numbers);
                        }},
    TotalFigure<Report>{"meanFrequency",
                        [](const Report& report, const ExplanationNumbers& numbers) {
                            return explainMeanFrequency(report.tokenCount, report.distinctCount, report.meanFrequency,
                                                        numbers);
                        }},
};

} // namespace quorvelle
