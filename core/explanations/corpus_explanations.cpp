// The urn of a part's specificities, and the shares of a correspondence analysis.
#include "core/explanations/corpus_explanations.h"

#include "core/explanations/urn_draw.h"
#include "core/reports/rounding.h"
#include "core/text/encoding.h"

#include <string>

namespace quorvelle {
namespace {

constexpr const char* corpusPage = "corpus.html";
constexpr int scoreDecimals = 2;      // of the specificities, as the grids show them
constexpr int percentageDecimals = 2; // of the shares, as the grids show them

std::string quoted(std::string_view cp1252)
{
    return "« " + cp1252ToUtf8(cp1252) + " »";
}

std::string factorName(std::size_t factor)
{
    return std::string("F").append(std::to_string(factor + 1));
}

} // namespace

FigureExplanation explainPartSpecificity(const PartSpecificities& part, const PartSpecificForm& form,
                                         const ExplanationNumbers& numbers)
{
    static constexpr UrnNotation notation{"f", "t", "T", "S"};
    FigureExplanation explanation{
        "Spécificité d'une forme dans une partie (Lafon)",
        "À quel point la partie emploie la forme plus, ou moins, que sa taille ne le voudrait : la spécificité est "
        "positive quand la partie l'emploie plus que le reste du corpus, négative quand elle l'emploie moins ; 2 veut "
        "dire que le hasard donnerait un tel écart, ou un plus grand, avec une probabilité de 1 %. On met les T "
        "formes du corpus dans une urne, une boule par forme ; F boules portent la forme. On tire au hasard, sans "
        "remise, t boules, autant que la partie a de formes. Le nombre X de boules de la forme tirées suit la loi "
        "hypergéométrique, de moyenne E ; C(n, k) y est le nombre de façons de choisir k boules parmi n. La "
        "spécificité dit combien il serait improbable d'en tirer au moins f (au plus f quand f est sous E).",
        urnScoreFormula(notation),
        {quoted(form.form) + " dans la partie " + quoted(part.part) + " : f = " + numbers.count(form.f)
         + ", F = " + numbers.count(form.F) + " ; t = " + numbers.count(part.t) + ", T = " + numbers.count(part.T)
         + "."},
        numbers.shown(roundHalfEven(form.specificity, scoreDecimals)),
        corpusPage};
    const FormInTwoTexts draw{form.f, form.F - form.f, part.t, part.T - part.t};
    for (std::string& step : urnScoreSteps(notation, draw, form.specificity, numbers))
        explanation.steps.push_back(std::move(step));
    return explanation;
}

FigureExplanation explainInertiaShare(const CorrespondenceAnalysis& analysis, std::size_t factor,
                                      const ExplanationNumbers& numbers)
{
    const Factor& shown = analysis.factors.at(factor);
    std::string sum;
    for (std::size_t place = 0; place < analysis.factors.size(); ++place) {
        if (place > 0)
            sum += " + ";
        sum += numbers.exact(analysis.factors[place].eigenvalue);
    }
    return {"Part de l'inertie d'un facteur",
            "Quelle part des écarts entre les profils des parties le facteur montre à lui seul : sa valeur propre λ, "
            "l'inertie qu'il montre, divisée par l'inertie totale, la somme des valeurs propres de tous les facteurs "
            "(le χ² du tableau divisé par son nombre d'attestations).",
            "part = λ / (λ1 + λ2 + …) × 100",
            {std::string("λ").append(std::to_string(factor + 1)).append(" = ").append(numbers.exact(shown.eigenvalue)),
             "inertie totale = " + sum + " = " + numbers.exact(analysis.totalInertia),
             numbers.exact(shown.eigenvalue) + " / " + numbers.exact(analysis.totalInertia) + " × 100 = "
                 + numbers.exact(shown.share * 100),
             numbers.roundingStep(shown.share * 100, percentageDecimals)},
            numbers.shown(roundHalfEven(shown.share * 100, percentageDecimals)),
            corpusPage};
}

FigureExplanation explainContribution(const CorrespondenceAnalysis& analysis, const FactorPoint& point,
                                      std::size_t factor, const ExplanationNumbers& numbers)
{
    const double coordinate = point.coordinates.at(factor);
    const double eigenvalue = analysis.factors.at(factor).eigenvalue;
    const double contribution = point.contributions.at(factor) * 100;
    const std::string name = factorName(factor);
    return {"Contribution au facteur " + name,
            "Quelle part de l'inertie du facteur le point fait à lui seul : sa masse m (sa part des attestations du "
            "tableau analysé) multipliée par le carré de sa coordonnée sur le facteur, divisée par la valeur propre du "
            "facteur. Sur un facteur, les contributions des parties font 100 %, celles des formes aussi : les points "
            "qui contribuent le plus sont ceux qui font le facteur, ceux qu'on regarde pour le nommer.",
            "contribution = m × " + name + "² / λ × 100",
            {quoted(point.name) + " : m = " + numbers.exact(point.mass) + ", " + name + " = " + numbers.exact(coordinate)
                 + ", λ = " + numbers.exact(eigenvalue),
             numbers.exact(point.mass) + " × " + numbers.exact(coordinate) + "² / " + numbers.exact(eigenvalue)
                 + " × 100 = " + numbers.exact(contribution),
             numbers.roundingStep(contribution, percentageDecimals)},
            numbers.shown(roundHalfEven(contribution, percentageDecimals)),
            corpusPage};
}

} // namespace quorvelle
