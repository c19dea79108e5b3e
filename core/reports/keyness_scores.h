// How much more one text uses a form than another: the significance scores of lexicometry
// (Lafon's specificity) and of corpus linguistics (Dunning's log-likelihood), and an effect
// size (Hardie's log ratio).
#pragma once

#include <cstdint>
#include <optional>

namespace quorvelle {

/// The attestations of one form in two texts, and the sizes of the texts (their forms).
struct FormInTwoTexts {
    std::int64_t f1 = 0; ///< attestations in text 1
    std::int64_t f2 = 0; ///< attestations in text 2
    std::int64_t n1 = 0; ///< forms of text 1
    std::int64_t n2 = 0; ///< forms of text 2
};

/// E = (f1 + f2) n1 / (n1 + n2): the attestations of the form among n1 forms drawn at random
/// from both texts', on average; 0 for two empty texts.
double expectedInText1(const FormInTwoTexts& form);

/// Whether the specificity reads the upper tail of the law, P(X >= f1): f1 >= E.
bool readsUpperTail(const FormInTwoTexts& form);

/// The values X can take: from max(0, f1 + f2 - n2), the attestations the n2 forms left
/// undrawn cannot all hold, to min(f1 + f2, n1).
struct PossibleDraws {
    std::int64_t fewest = 0;
    std::int64_t most = 0;
};
PossibleDraws possibleDraws(const FormInTwoTexts& form);

/// Lafon's specificity of the form for text 1. Text 1 is taken as n1 forms drawn without
/// replacement from the n1 + n2 forms of both texts, f1 + f2 of which are this form: the
/// number X of this form drawn follows the hypergeometric law, of mean E = (f1 + f2) n1 /
/// (n1 + n2). When f1 >= E, S = -log10 P(X >= f1), positive: the form is over-used in text 1;
/// otherwise S = log10 P(X <= f1), negative: over-used in text 2. |S| >= 2 means a
/// probability below 1 %. Computed in log space, the law's terms summed from the far end of
/// the tail inward, so that S stays finite and accurate for texts of any size; 0 for two
/// empty texts.
double specificity(const FormInTwoTexts& form);

/// Dunning's log-likelihood G² = 2 (f1 ln(f1 / E1) + f2 ln(f2 / E2)), E1 = n1 F / T and
/// E2 = n2 F / T (F = f1 + f2, T = n1 + n2, 0 ln 0 = 0), signed + when f1 / n1 > f2 / n2 and
/// - otherwise; 0 for a form of neither text.
double logLikelihood(const FormInTwoTexts& form);

/// What the log ratio counts for a form absent from a text, which has no logarithm.
inline constexpr double absenceCountedAs = 0.5;

/// Hardie's log ratio log2((f1 / n1) / (f2 / n2)), a zero attestation counted as 0.5: how
/// many times more frequent in text 1, in powers of two. None when a text has no form.
std::optional<double> logRatio(const FormInTwoTexts& form);

/// Attestations per 10 000 forms of the text; none for a text without forms.
std::optional<double> per10000(std::int64_t attestations, std::int64_t textForms);

} // namespace quorvelle
