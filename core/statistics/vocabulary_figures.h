// N, V and N / V: the figures of the vocabulary list and of the frequencies, which both
// reports hold under the same names.
#pragma once

#include "core/catalogue/figure.h"
#include "core/explanations/vocabulary_explanations.h"
#include "core/presentation/french_messages.h"

#include <array>

namespace quorvelle {

/// N, V and N / V, for the reports that hold them under those names.
template <class Report>
inline constexpr std::array vocabularyFigures = {
    memberFigure<&Report::tokenCount>(
        {.id = "totalForms",
         .jsonKey = "tokenCount",
         .caption = french::totalFormsCaption,
         .explain = [](const Report& report,
                       const ExplanationNumbers& numbers) { return explainTokenCount(report.tokenCount, numbers); }}),
    memberFigure<&Report::distinctCount>({.id = "distinctForms",
                                          .jsonKey = "distinctCount",
                                          .caption = french::distinctFormsCaption,
                                          .explain =
                                              [](const Report& report, const ExplanationNumbers& numbers) {
                                                  return explainDistinctCount(report.distinctCount, numbers);
                                              }}),
    memberFigure<&Report::meanFrequency>({.id = "meanFrequency",
                                          .jsonKey = "meanFrequency",
                                          .caption = french::meanFrequencyCaption,
                                          .meaning = "Fréquence moyenne théorique d'attestation de chaque forme",
                                          .format = FigureFormat::Rounded,
                                          .explain =
                                              [](const Report& report, const ExplanationNumbers& numbers) {
                                                  return explainMeanFrequency(report.tokenCount, report.distinctCount,
                                                                              report.meanFrequency, numbers);
                                              }}),
};

} // namespace quorvelle
