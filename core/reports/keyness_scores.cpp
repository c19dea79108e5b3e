// The hypergeometric tails of the specificities, summed in log space; the log-likelihood and
// the log ratio.
#include "core/reports/keyness_scores.h"

#include "core/reports/portable_math.h"

#include <algorithm>
#include <numbers>
#include <vector>

namespace quorvelle {
namespace {

// Terms smaller than the largest by this factor in natural log (some 1e-26) no longer change
// a sum of doubles.
constexpr double negligibleLog = 60.0;

double logBinomial(std::int64_t n, std::int64_t k)
{
    return portable::logFactorial(n) - portable::logFactorial(k) - portable::logFactorial(n - k);
}

// The hypergeometric law of X, the attestations of a form among n1 forms drawn from t, f of
// which are the form.
struct Hypergeometric {
    std::int64_t f;
    std::int64_t n1;
    std::int64_t t;

    double logProbability(std::int64_t k) const
    {
        return logBinomial(f, k) + logBinomial(t - f, n1 - k) - logBinomial(t, n1);
    }
    // ln P(X = k + 1) - ln P(X = k).
    double logStepUp(std::int64_t k) const
    {
        const auto x = static_cast<double>(k);
        return portable::log((static_cast<double>(f) - x) * (static_cast<double>(n1) - x))
            - portable::log((x + 1) * (static_cast<double>(t - f - n1) + x + 1));
    }
};

// ln of the sum of P(X = k) for k from first to last, going by step (+1 or -1): the terms
// are listed from first until they are negligible, then added from the smallest, the far end
// of the tail, inward.
double logTail(const Hypergeometric& law, std::int64_t first, std::int64_t last, int step)
{
    std::vector<double> logTerms{law.logProbability(first)};
    double largest = logTerms.front();
    for (std::int64_t k = first; k != last; k += step) {
        const double next = logTerms.back() + (step > 0 ? law.logStepUp(k) : -law.logStepUp(k - 1));
        // Past the mode the terms only decrease: once one is negligible, all the next ones are.
        if (next < largest - negligibleLog)
            break;
        largest = std::max(largest, next);
        logTerms.push_back(next);
    }
    double sum = 0;
    for (auto term = logTerms.rbegin(); term != logTerms.rend(); ++term)
        sum += portable::exp(*term - largest);
    return largest + portable::log(sum);
}

double xLogXOver(double x, double expected)
{
    return x == 0 ? 0 : x * portable::log(x / expected);
}

} // namespace

double expectedInText1(const FormInTwoTexts& form)
{
    const std::int64_t total = form.n1 + form.n2;
    if (total == 0)
        return 0;
    return static_cast<double>(form.f1 + form.f2) * static_cast<double>(form.n1) / static_cast<double>(total);
}

bool readsUpperTail(const FormInTwoTexts& form)
{
    return static_cast<double>(form.f1) >= expectedInText1(form);
}

PossibleDraws possibleDraws(const FormInTwoTexts& form)
{
    const std::int64_t attestations = form.f1 + form.f2;
    return {std::max<std::int64_t>(0, attestations - form.n2), std::min(attestations, form.n1)};
}

double specificity(const FormInTwoTexts& form)
{
    const std::int64_t total = form.n1 + form.n2;
    const std::int64_t attestations = form.f1 + form.f2;
    if (total == 0)
        return 0;
    const Hypergeometric law{attestations, form.n1, total};
    const PossibleDraws draws = possibleDraws(form);
    if (readsUpperTail(form))
        return std::max(0.0, -logTail(law, form.f1, draws.most, +1) / std::numbers::ln10);
    return std::min(0.0, logTail(law, form.f1, draws.fewest, -1) / std::numbers::ln10);
}

double logLikelihood(const FormInTwoTexts& form)
{
    const auto attestations = static_cast<double>(form.f1 + form.f2);
    const auto total = static_cast<double>(form.n1 + form.n2);
    if (attestations == 0)
        return 0;
    const double expected1 = static_cast<double>(form.n1) * attestations / total;
    const double expected2 = static_cast<double>(form.n2) * attestations / total;
    // Never negative but for rounding, when both texts use the form alike.
    const double g2 = std::max(
        0.0,
        2 * (xLogXOver(static_cast<double>(form.f1), expected1) + xLogXOver(static_cast<double>(form.f2), expected2)));
    // f1 / n1 > f2 / n2, without dividing by an empty text.
    const bool overUsedIn1 = form.f1 * form.n2 > form.f2 * form.n1;
    return overUsedIn1 || g2 == 0 ? g2 : -g2;
}

std::optional<double> logRatio(const FormInTwoTexts& form)
{
    if (form.n1 == 0 || form.n2 == 0)
        return std::nullopt;
    const auto counted = [](std::int64_t attestations) {
        return attestations == 0 ? absenceCountedAs : static_cast<double>(attestations);
    };
    return portable::log2((counted(form.f1) / static_cast<double>(form.n1))
                          / (counted(form.f2) / static_cast<double>(form.n2)));
}

std::optional<double> per10000(std::int64_t attestations, std::int64_t textForms)
{
    if (textForms == 0)
        return std::nullopt;
    return static_cast<double>(attestations) * 10000 / static_cast<double>(textForms);
}

} // namespace quorvelle
