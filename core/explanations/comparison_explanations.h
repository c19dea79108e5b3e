// The explanations of the comparison of two texts: the counts of each text, of their common forms
// and of the forms proper to each, and the shares they make. Text is 1 or 2, the text's number.
#pragma once

#include "core/explanations/figure_explanation.h"
#include "core/reports/vocabulary_comparison.h"

namespace quorvelle {

/// N₁, N₂: the forms of a text.
template <int Text>
FigureExplanation explainComparedTokenCount(const VocabularyComparison& comparison, const ExplanationNumbers& numbers);
/// V₁, V₂: the different forms of a text.
template <int Text>
FigureExplanation explainComparedDistinctCount(const VocabularyComparison& comparison,
                                               const ExplanationNumbers& numbers);
/// C: the different forms of both texts.
FigureExplanation explainCommonCount(const VocabularyComparison& comparison, const ExplanationNumbers& numbers);
/// P₁ = V₁ − C: the different forms of a text alone.
template <int Text>
FigureExplanation explainProperCount(const VocabularyComparison& comparison, const ExplanationNumbers& numbers);
/// A₁: the attestations of the common forms in a text.
template <int Text>
FigureExplanation explainCommonTokens(const VocabularyComparison& comparison, const ExplanationNumbers& numbers);
/// N₁ − A₁: the attestations of the forms of a text alone.
template <int Text>
FigureExplanation explainProperTokens(const VocabularyComparison& comparison, const ExplanationNumbers& numbers);
/// C / V₁ × 100.
template <int Text>
FigureExplanation explainCommonShare(const VocabularyComparison& comparison, const ExplanationNumbers& numbers);
/// P₁ / V₁ × 100.
template <int Text>
FigureExplanation explainProperShare(const VocabularyComparison& comparison, const ExplanationNumbers& numbers);
/// A₁ / N₁ × 100.
template <int Text>
FigureExplanation explainCommonTokenShare(const VocabularyComparison& comparison, const ExplanationNumbers& numbers);
/// (N₁ − A₁) / N₁ × 100.
template <int Text>
FigureExplanation explainProperTokenShare(const VocabularyComparison& comparison, const ExplanationNumbers& numbers);

} // namespace quorvelle
