// How the figures of the lemmas are computed, written out for a student.
#pragma once

#include "core/explanations/figure_explanation.h"
#include "core/lemmas/lemma_report.h"

namespace quorvelle {

/// A category's share of the words of the text.
FigureExplanation explainCategoryShare(const LemmaReport& report, const CategoryRow& row,
                                       const ExplanationNumbers& numbers);

} // namespace quorvelle
