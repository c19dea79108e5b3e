// The draw from an urn that the specificities and the co-occurring forms' scores are read
// from, written out step by step.
#pragma once

#include "core/explanations/figure_explanation.h"
#include "core/reports/keyness_scores.h"

#include <string>
#include <string_view>
#include <vector>

namespace quorvelle {

/// What a manual page calls the numbers of the draw: the specificities' f1, N1, T and S, the
/// co-occurring forms' c, t, N and score. Both pages call F the balls of the form and X the
/// number of them drawn.
struct UrnNotation {
    std::string_view drawnOfForm; ///< the balls of the form drawn: "f1"
    std::string_view drawn;       ///< all the balls drawn: "N1"
    std::string_view inUrn;       ///< all the balls of the urn: "T"
    std::string_view score;       ///< "S"
};

/// The score in symbols: "S = −log10 P(X ≥ f1) si f1 ≥ E, sinon S = log10 P(X ≤ f1), avec
/// E = F × N1 / T".
std::string urnScoreFormula(const UrnNotation& names);

/// The steps from the draw's numbers down to the score as shown: E, the tail of the
/// hypergeometric law that is read, its terms, their sum P, the score and its rounding to two
/// decimals. draw holds the form's balls drawn (f1) and left (f2), the balls drawn (n1) and
/// left (n2); score is the report's, from which P is written back.
std::vector<std::string> urnScoreSteps(const UrnNotation& names, const FormInTwoTexts& draw, double score,
                                       const ExplanationNumbers& numbers);

} // namespace quorvelle
