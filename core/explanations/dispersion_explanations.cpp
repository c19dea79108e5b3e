// Juilland's D and Gries's DP from the parts' counts: listed when there are few parts, their
// sums written term by term when few terms differ.
#include "core/explanations/dispersion_explanations.h"

#include "core/presentation/number_format.h"
#include "core/text/encoding.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace quorvelle {
namespace {

constexpr const char* dispersionPage = "repartition.html";
constexpr int shownDigits = 4;          // significant digits of D and DP as shown
constexpr std::size_t listedParts = 20; // beyond that, a step points to the table of parts
constexpr std::size_t writtenTerms = 6; // more different terms are only summed
constexpr const char* undefined = " n'est pas défini (« — »).";

// "« chat » : f = 2 (attestations), N = 10 (formes du texte), P = 5 (parties)."
std::string formStep(const DispersionReport& report, const ExplanationNumbers& numbers)
{
    return "« " + cp1252ToUtf8(report.form) + " » : f = " + numbers.count(report.attestations)
        + " (attestations), N = " + numbers.count(report.tokenCount)
        + " (formes du texte), P = " + numbers.count(static_cast<std::int64_t>(report.parts.size())) + " (parties).";
}

// "1 ; 0 ; 0 ; 1 ; 0": semicolons, since the numbers may have decimal commas.
template <class Value>
std::string listed(const std::vector<DispersionPart>& parts, Value value, const ExplanationNumbers& numbers)
{
    std::string list;
    for (const DispersionPart& part : parts)
        list += (list.empty() ? "" : " ; ") + numbers.count(value(part));
    return list;
}

// A sum written as its different terms, each with the number of parts that have it: "8 × (0 −
// 0,2)² + 2 × (1 − 0,2)²", or nothing when too many terms differ.
template <class Key>
std::string groupedTerms(const std::map<Key, std::int64_t>& partsByTerm, auto writeTerm)
{
    if (partsByTerm.size() > writtenTerms)
        return {};
    std::string sum;
    for (const auto& [key, parts] : partsByTerm)
        sum += (sum.empty() ? "" : " + ") + (parts == 1 ? "" : std::to_string(parts) + " × ") + writeTerm(key);
    return sum + " = ";
}

bool absent(const DispersionReport& report, FigureExplanation& explanation, const std::string& measure)
{
    if (report.attestations > 0)
        return false;
    explanation.steps.push_back("La forme n'est pas dans le texte : il n'y a aucune attestation à répartir, et "
                                + measure + undefined);
    explanation.shown = std::string(undefinedMeasure);
    return true;
}

} // namespace

FigureExplanation explainJuillandD(const DispersionReport& report, const ExplanationNumbers& numbers)
{
    FigureExplanation explanation{
        "D de Juilland",
        "À quel point la forme est répartie régulièrement dans le texte coupé en P parties : D vaut 1 quand "
        "chaque partie a le même nombre d'attestations de la forme, 0 quand une seule partie les a toutes. On "
        "divise l'écart type σ des attestations des parties (leur dispersion autour de leur moyenne m) par cette "
        "moyenne, ce qui donne le coefficient de variation CV, puis on le rapporte à sa plus grande valeur "
        "possible, √(P − 1).",
        "D = 1 − CV / √(P − 1), avec CV = σ / m, m = f / P et σ = √(Σ (aᵢ − m)² / P)",
        {formStep(report, numbers)},
        {},
        dispersionPage};
    if (absent(report, explanation, "D"))
        return explanation;
    const std::size_t partCount = report.parts.size();
    if (partCount < 2) {
        explanation.steps.push_back(std::string("Une seule partie : √(P − 1) = 0, on ne divise pas par 0 ; D")
                                    + undefined);
        explanation.shown = std::string(undefinedMeasure);
        return explanation;
    }
    const auto parts = static_cast<double>(partCount);
    const double mean = static_cast<double>(report.attestations) / parts;
    std::map<std::int64_t, std::int64_t> partsByCount;
    double squares = 0;
    for (const DispersionPart& part : report.parts) {
        ++partsByCount[part.attestations];
        squares += std::pow(static_cast<double>(part.attestations) - mean, 2);
    }
    const double deviation = std::sqrt(squares / parts);
    const double variation = deviation / mean;
    const std::string p = numbers.count(static_cast<std::int64_t>(partCount));
    const std::string m = numbers.significant(mean);
    if (partCount <= listedParts)
        explanation.steps.push_back(
            "Les attestations aᵢ des parties : "
            + listed(
                report.parts, [](const DispersionPart& part) { return part.attestations; }, numbers)
            + ".");
    else
        explanation.steps.push_back("Les attestations aᵢ des " + p + " parties sont dans la grille.");
    explanation.steps.push_back("m = f / P = " + numbers.count(report.attestations) + " / " + p + " = " + m);
    explanation.steps.push_back(
        "Σ (aᵢ − m)² = "
        + groupedTerms(partsByCount,
                       [&](std::int64_t count) { return std::string("(") + numbers.count(count) + " − " + m + ")²"; })
        + numbers.significant(squares));
    explanation.steps.push_back("σ = √(Σ (aᵢ − m)² / P) = √(" + numbers.significant(squares) + " / " + p
                                + ") = " + numbers.significant(deviation));
    explanation.steps.push_back("CV = σ / m = " + numbers.significant(deviation) + " / " + m + " = "
                                + numbers.significant(variation));
    explanation.steps.push_back("√(P − 1) = √" + numbers.count(static_cast<std::int64_t>(partCount - 1)) + " = "
                                + numbers.significant(std::sqrt(parts - 1)));
    explanation.steps.push_back("D = 1 − CV / √(P − 1) = 1 − " + numbers.significant(variation) + " / "
                                + numbers.significant(std::sqrt(parts - 1)) + " = "
                                + numbers.significant(*report.juillandD));
    explanation.steps.push_back(numbers.significantRoundingStep(*report.juillandD, shownDigits));
    explanation.shown = numbers.shown(roundSignificant(*report.juillandD, shownDigits));
    return explanation;
}

FigureExplanation explainGriesDP(const DispersionReport& report, const ExplanationNumbers& numbers)
{
    FigureExplanation explanation{
        "DP de Gries",
        "À quel point les attestations de la forme s'écartent d'une répartition selon la taille des parties : DP "
        "vaut 0 quand chaque partie a autant d'attestations que sa part du texte le veut, et approche 1 quand "
        "elles se concentrent dans une petite partie du texte. Pour chaque partie, on compare la part oᵢ des "
        "attestations de la forme qui y sont à la part sᵢ des formes du texte qui y sont ; DP est la moitié de la "
        "somme des écarts, sans leur signe.",
        "DP = ½ Σ |oᵢ − sᵢ|, avec oᵢ = aᵢ / f et sᵢ = nᵢ / N",
        {formStep(report, numbers)},
        {},
        dispersionPage};
    if (absent(report, explanation, "DP"))
        return explanation;
    std::map<std::pair<std::int64_t, std::int64_t>, std::int64_t> partsByShares;
    double sum = 0;
    for (const DispersionPart& part : report.parts) {
        ++partsByShares[{part.attestations, part.formCount}];
        sum += std::abs(static_cast<double>(part.attestations) / static_cast<double>(report.attestations)
                        - static_cast<double>(part.formCount) / static_cast<double>(report.tokenCount));
    }
    const std::string f = numbers.count(report.attestations), n = numbers.count(report.tokenCount);
    if (report.parts.size() <= listedParts) {
        explanation.steps.push_back(
            "Les attestations aᵢ des parties : "
            + listed(
                report.parts, [](const DispersionPart& part) { return part.attestations; }, numbers)
            + ".");
        explanation.steps.push_back(
            "Leurs nombres de formes nᵢ : "
            + listed(
                report.parts, [](const DispersionPart& part) { return part.formCount; }, numbers)
            + ".");
    } else {
        explanation.steps.push_back("Les attestations aᵢ et les formes des "
                                    + numbers.count(static_cast<std::int64_t>(report.parts.size()))
                                    + " parties sont dans la grille.");
    }
    explanation.steps.push_back("Σ |oᵢ − sᵢ| = "
                                + groupedTerms(partsByShares,
                                               [&](const std::pair<std::int64_t, std::int64_t>& shares) {
                                                   return std::string("|") + numbers.count(shares.first) + " / " + f
                                                       + " − " + numbers.count(shares.second) + " / " + n + "|";
                                               })
                                + numbers.significant(sum));
    explanation.steps.push_back("DP = ½ × " + numbers.significant(sum) + " = " + numbers.significant(*report.griesDP));
    explanation.steps.push_back(numbers.significantRoundingStep(*report.griesDP, shownDigits));
    explanation.shown = numbers.shown(roundSignificant(*report.griesDP, shownDigits));
    return explanation;
}

} // namespace quorvelle
