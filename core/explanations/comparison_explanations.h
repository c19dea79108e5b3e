// The explanations of the comparison of two texts: the counts of each text, of their common forms
// and of the forms proper to each, and the shares they make. side is 0 for text n°1, 1 for text n°2.
#pragma once

#include "core/explanations/figure_explanation.h"
#include "core/reports/vocabulary_comparison.h"

#include <cstddef>

namespace quorvelle {

/// N₁, N₂: the forms of a text.
FigureExplanation explainComparedTokenCount(const VocabularyComparison& comparison, std::size_t side,
                                            const ExplanationNumbers& numbers);
/// V₁, V₂: the different forms of a text.
FigureExplanation explainComparedDistinctCount(const VocabularyComparison& comparison, std::size_t side,
                                               const ExplanationNumbers& numbers);
/// C: the different forms of both texts.
FigureExplanation explainCommonCount(const VocabularyComparison& comparison, const ExplanationNumbers& numbers);
/// P₁ = V₁ − C: the different forms of a text alone.
FigureExplanation explainProperCount(const VocabularyComparison& comparison, std::size_t side,
                                     const ExplanationNumbers& numbers);
/// A₁: the attestations of the common forms in a text.
FigureExplanation explainCommonTokens(const VocabularyComparison& comparison, std::size_t side,
                                      const ExplanationNumbers& numbers);
/// N₁ − A₁: the attestations of the forms of a text alone.
FigureExplanation explainProperTokens(const VocabularyComparison& comparison, std::size_t side,
                                      const ExplanationNumbers& numbers);
/// C / V₁ × 100.
FigureExplanation explainCommonShare(const VocabularyComparison& comparison, std::size_t side,
                                     const ExplanationNumbers& numbers);
/// P₁ / V₁ × 100.
FigureExplanation explainProperShare(const VocabularyComparison& comparison, std::size_t side,
                                     const ExplanationNumbers& numbers);
/// A₁ / N₁ × 100.
FigureExplanation explainCommonTokenShare(const VocabularyComparison& comparison, std::size_t side,
                                          const ExplanationNumbers& numbers);
/// (N₁ − A₁) / N₁ × 100.
FigureExplanation explainProperTokenShare(const VocabularyComparison& comparison, std::size_t side,
                                          const ExplanationNumbers& numbers);

} // namespace quorvelle
