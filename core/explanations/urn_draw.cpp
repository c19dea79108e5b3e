// The urn's expected draw, the tail read and its probability in scientific notation.
#include "core/explanations/urn_draw.h"

#include "core/presentation/number_format.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace quorvelle {
namespace {

constexpr int probabilityDigits = 4; // significant digits of P
constexpr int shownDecimals = 2;     // of the score, as the tables of scores list it

// An exponent in superscript digits: "⁻⁵".
std::string superscript(std::int64_t exponent)
{
    static constexpr std::string_view digits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    const std::string decimal = std::to_string(std::llabs(exponent));
    std::string written = exponent < 0 ? "⁻" : "";
    for (const char digit : decimal)
        written += digits[digit - '0'];
    return written;
}

// The number whose decimal logarithm is given, in scientific notation: "9,995 × 10⁻⁵". From
// its logarithm, because a probability that small may be below the smallest double.
std::string scientific(double log10Value, const ExplanationNumbers& numbers)
{
    auto exponent = static_cast<std::int64_t>(std::floor(log10Value));
    double mantissa = roundSignificant(std::pow(10.0, log10Value - static_cast<double>(exponent)), probabilityDigits);
    if (mantissa >= 10) { // 9,99996 rounds up to 10
        mantissa /= 10;
        ++exponent;
    }
    if (exponent == 0)
        return numbers.shown(mantissa);
    return numbers.shown(mantissa) + " × 10" + superscript(exponent);
}

// "P(X = 3) + … + P(X = 6)", or fewer terms when there are fewer.
std::string termsFrom(std::int64_t first, std::int64_t last)
{
    const auto term = [](std::int64_t k) { return "P(X = " + std::to_string(k) + ")"; };
    if (first == last)
        return term(first);
    return term(first) + (last == first + 1 ? " + " : " + … + ") + term(last);
}

} // namespace

std::string urnScoreFormula(const UrnNotation& names)
{
    const std::string observed(names.drawnOfForm);
    const std::string score(names.score);
    return score + " = −log10 P(X ≥ " + observed + ") si " + observed + " ≥ E, sinon " + score + " = log10 P(X ≤ "
        + observed + "), avec E = F × " + std::string(names.drawn) + " / " + std::string(names.inUrn);
}

std::vector<std::string> urnScoreSteps(const UrnNotation& names, const FormInTwoTexts& draw, double score,
                                       const ExplanationNumbers& numbers)
{
    const std::string observed(names.drawnOfForm), drawn(names.drawn), inUrn(names.inUrn);
    const std::string ofFormCount = numbers.count(draw.f1 + draw.f2);
    const std::string drawnCount = numbers.count(draw.n1);
    const std::string inUrnCount = numbers.count(draw.n1 + draw.n2);
    const std::string f1 = numbers.count(draw.f1);
    const bool upper = readsUpperTail(draw);
    const PossibleDraws possible = possibleDraws(draw);
    const std::string tail = "P(X " + std::string(upper ? "≥ " : "≤ ") + f1 + ")";

    std::vector<std::string> steps;
    steps.push_back("E = F × " + drawn + " / " + inUrn + " = " + ofFormCount + " × " + drawnCount + " / " + inUrnCount
                    + " = " + numbers.exact(expectedInText1(draw)));
    steps.push_back(observed + " = " + f1 + (upper ? " ≥ E : on lit " : " < E : on lit ") + tail
                    + ", la probabilité qu'un tirage au hasard donne autant de boules de la forme, ou "
                    + (upper ? "plus." : "moins."));
    steps.push_back("P(X = k) = C(F, k) × C(" + inUrn + " − F, " + drawn + " − k) / C(" + inUrn + ", " + drawn
                    + ") = C(" + ofFormCount + ", k) × C(" + numbers.count(draw.n2 + draw.n1 - draw.f1 - draw.f2) + ", "
                    + drawnCount + " − k) / C(" + inUrnCount + ", " + drawnCount + ")");
    steps.push_back(tail + " = " + (upper ? termsFrom(draw.f1, possible.most) : termsFrom(possible.fewest, draw.f1)));
    // The score is ±log10 P: P is written back from it, as small as it may be.
    steps.push_back(tail + " ≈ " + scientific(-std::abs(score), numbers));
    steps.push_back(std::string(names.score) + " = " + (upper ? "−log10 " : "log10 ") + tail + " = "
                    + numbers.exact(score));
    steps.push_back(numbers.roundingStep(score, shownDecimals));
    return steps;
}

} // namespace quorvelle
