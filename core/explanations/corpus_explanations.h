// How the figures of a corpus's analyses are computed: a form's specificity in a part, a
// factor's share of the inertia, a point's contribution to a factor.
#pragma once

#include "core/corpus/correspondence_analysis.h"
#include "core/corpus/corpus_reports.h"
#include "core/explanations/figure_explanation.h"

#include <cstddef>

namespace quorvelle {

/// The specificity of a form in a part: the part's t forms drawn from the corpus's T.
FigureExplanation explainPartSpecificity(const PartSpecificities& part, const PartSpecificForm& form,
                                         const ExplanationNumbers& numbers);

/// The share of the total inertia that the factor at place shows.
FigureExplanation explainInertiaShare(const CorrespondenceAnalysis& analysis, std::size_t factor,
                                      const ExplanationNumbers& numbers);

/// The share of the factor's eigenvalue that a part or a form makes.
FigureExplanation explainContribution(const CorrespondenceAnalysis& analysis, const FactorPoint& point,
                                      std::size_t factor, const ExplanationNumbers& numbers);

} // namespace quorvelle
