// The figures that several statistics share: the totals of a vocabulary and of the sentences.
#pragma once

#include "core/catalogue/figure.h"
#include "core/explanations/sentence_explanations.h"
#include "core/explanations/vocabulary_explanations.h"
#include "core/presentation/french_messages.h"
#include "core/reports/sentence_report.h"

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

/// P, N and N / P of the sentences.
inline constexpr std::array sentenceFigures = {
    memberFigure<&SentenceTotals::sentenceCount>({.id = "sentenceCount",
                                                  .jsonKey = "sentenceCount",
                                                  .caption = french::sentenceCountCaption,
                                                  .explain = explainSentenceCount}),
    memberFigure<&SentenceTotals::tokenCount>({.id = "formCount",
                                               .jsonKey = "tokenCount",
                                               .caption = french::formCountCaption,
                                               .explain = explainSentenceTokenCount}),
    memberFigure<&SentenceTotals::meanLength>({.id = "meanLength",
                                               .jsonKey = "meanLength",
                                               .caption = french::meanSentenceLengthCaption,
                                               .format = FigureFormat::Rounded,
                                               .explain = explainMeanSentenceLength}),
};

/// What a statistic's figures read: its report, or the totals a listing of sentences counts
/// again from its text.
template <class Report>
const Report& figureSubject(const Report& report)
{
    return report;
}
inline SentenceTotals figureSubject(const SentenceListing& listing)
{
    return sentenceTotals(listing.text, listing.letters);
}

} // namespace quorvelle
