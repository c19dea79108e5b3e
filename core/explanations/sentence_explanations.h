// The explanations of the sentences' totals: P, N and N / P.
#pragma once

#include "core/explanations/figure_explanation.h"
#include "core/reports/sentence_report.h"

namespace quorvelle {

/// P, the number of sentences.
FigureExplanation explainSentenceCount(const SentenceTotals& totals, const ExplanationNumbers& numbers);
/// N, the forms of all the sentences.
FigureExplanation explainSentenceTokenCount(const SentenceTotals& totals, const ExplanationNumbers& numbers);
/// N / P rounded to two decimals, as the totals hold it (none without a sentence).
FigureExplanation explainMeanSentenceLength(const SentenceTotals& totals, const ExplanationNumbers& numbers);

} // namespace quorvelle
