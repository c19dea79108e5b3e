// The least squares of Zipf's line, from the sums the report kept.
#include "core/explanations/zipf_explanations.h"

#include "core/presentation/number_format.h"

#include <cstdint>
#include <string>

namespace quorvelle {
namespace {

constexpr const char* zipfPage = "zipf.html";
constexpr int shownDigits = 4; // significant digits of the line's figures as shown

// The explanation as far as the points, or with the reason why there is no line.
FigureExplanation lineExplanation(std::string figure, std::string inWords, std::string formula,
                                  const ZipfReport& report, const ExplanationNumbers& numbers)
{
    const auto points = static_cast<std::int64_t>(report.rows.size());
    FigureExplanation explanation{std::move(figure), std::move(inWords), std::move(formula), {}, {}, zipfPage};
    if (!report.fit) {
        explanation.steps.push_back("Il faut au moins deux points, deux formes différentes, pour ajuster une "
                                    "droite : le texte en a "
                                    + numbers.count(points) + ". Il n'y a pas de droite.");
        explanation.shown = std::string(undefinedMeasure);
    } else {
        explanation.steps.push_back("n = " + numbers.counted(points, "point", "points")
                                    + ", un par forme différente : x = log10 r (r son rang) et y = log10 f (f ses "
                                      "attestations).");
    }
    return explanation;
}

// x̄ and ȳ, which a and b start from.
void addMeans(const ZipfReport& report, FigureExplanation& explanation, const ExplanationNumbers& numbers)
{
    const std::string n = numbers.count(static_cast<std::int64_t>(report.rows.size()));
    const auto points = static_cast<double>(report.rows.size());
    const ZipfSums& sums = report.fit->sums;
    explanation.steps.push_back("x̄ = Σ x / n = " + numbers.significant(sums.x) + " / " + n + " = "
                                + numbers.significant(sums.x / points));
    explanation.steps.push_back("ȳ = Σ y / n = " + numbers.significant(sums.y) + " / " + n + " = "
                                + numbers.significant(sums.y / points));
}

void addRounded(double value, FigureExplanation& explanation, const ExplanationNumbers& numbers)
{
    explanation.steps.push_back(numbers.significantRoundingStep(value, shownDigits));
    explanation.shown = numbers.shown(roundSignificant(value, shownDigits));
}

} // namespace

FigureExplanation explainZipfIntercept(const ZipfReport& report, const ExplanationNumbers& numbers)
{
    FigureExplanation explanation =
        lineExplanation("Ordonnée à l'origine a",
                        "Le logarithme du nombre d'attestations que la droite prévoit pour la forme la plus "
                        "fréquente : ce nombre est 10 puissance a. C'est la hauteur de la droite des moindres "
                        "carrés au rang 1, où log10 r = 0 ; la droite passe par le point moyen (x̄, ȳ).",
                        "a = ȳ − b × x̄", report, numbers);
    if (!report.fit)
        return explanation;
    addMeans(report, explanation, numbers);
    const ZipfFit& fit = *report.fit;
    const auto points = static_cast<double>(report.rows.size());
    explanation.steps.push_back("b = " + numbers.significant(fit.slope) + " (la pente)");
    explanation.steps.push_back("a = ȳ − b × x̄ = " + numbers.significant(fit.sums.y / points) + " − ("
                                + numbers.significant(fit.slope) + ") × " + numbers.significant(fit.sums.x / points)
                                + " = " + numbers.significant(fit.intercept));
    addRounded(fit.intercept, explanation, numbers);
    return explanation;
}

FigureExplanation explainZipfSlope(const ZipfReport& report, const ExplanationNumbers& numbers)
{
    FigureExplanation explanation =
        lineExplanation("Pente b",
                        "À quelle vitesse les attestations baissent quand le rang monte : quand le rang est "
                        "multiplié par 10, la droite multiplie les attestations par 10 puissance b. Elle est proche "
                        "de −1 quand le texte suit la loi de Zipf : un rang dix fois plus grand, dix fois moins "
                        "d'attestations. "
                        "C'est la pente de la droite des moindres carrés log10 f = a + b × log10 r, la plus proche "
                        "de tous les points : la somme des produits des écarts de x et de y à leurs moyennes, "
                        "divisée par la somme des carrés des écarts de x.",
                        "b = Σ (x − x̄) (y − ȳ) / Σ (x − x̄)²", report, numbers);
    if (!report.fit)
        return explanation;
    addMeans(report, explanation, numbers);
    const ZipfFit& fit = *report.fit;
    explanation.steps.push_back("Σ (x − x̄) (y − ȳ) = " + numbers.significant(fit.sums.xy));
    explanation.steps.push_back("Σ (x − x̄)² = " + numbers.significant(fit.sums.xx));
    explanation.steps.push_back("b = " + numbers.significant(fit.sums.xy) + " / " + numbers.significant(fit.sums.xx)
                                + " = " + numbers.significant(fit.slope));
    addRounded(fit.slope, explanation, numbers);
    return explanation;
}

FigureExplanation explainZipfDetermination(const ZipfReport& report, const ExplanationNumbers& numbers)
{
    FigureExplanation explanation =
        lineExplanation("Coefficient de détermination R²",
                        "À quel point la droite suit les points : 1 quand tous les points sont sur la droite, près "
                        "de 0 quand elle ne dit presque rien d'eux. C'est la part des variations de log10 f que la "
                        "droite explique : 1 moins la somme des carrés des écarts des points à la droite, divisée "
                        "par la somme des carrés de leurs écarts à la moyenne ȳ.",
                        "R² = 1 − Σ (y − ŷ)² / Σ (y − ȳ)², où ŷ = a + b × x", report, numbers);
    if (!report.fit)
        return explanation;
    const ZipfFit& fit = *report.fit;
    if (!fit.determination) {
        explanation.steps.emplace_back("Toutes les formes ont le même nombre d'attestations : y ne varie pas et "
                                       "Σ (y − ȳ)² = 0. La droite est horizontale, il n'y a rien à expliquer : on ne "
                                       "divise pas par 0, R² n'est pas défini.");
        explanation.shown = std::string(undefinedMeasure);
        return explanation;
    }
    explanation.steps.push_back("Σ (y − ȳ)² = " + numbers.significant(fit.sums.yy));
    explanation.steps.push_back("Σ (y − ŷ)² = " + numbers.significant(fit.sums.residuals)
                                + ", les carrés des écarts verticaux des points à la droite");
    explanation.steps.push_back("R² = 1 − " + numbers.significant(fit.sums.residuals) + " / "
                                + numbers.significant(fit.sums.yy) + " = " + numbers.significant(*fit.determination));
    addRounded(*fit.determination, explanation, numbers);
    return explanation;
}

} // namespace quorvelle
