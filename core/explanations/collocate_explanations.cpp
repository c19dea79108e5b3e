// The score of a co-occurring form: the specificities' urn, drawn around the pivot.
#include "core/explanations/collocate_explanations.h"

#include "core/explanations/urn_draw.h"
#include "core/presentation/number_format.h"
#include "core/text/encoding.h"

#include <string>

namespace quorvelle {
namespace {

constexpr int shownDecimals = 2;

} // namespace

FigureExplanation explainCollocateScore(const CollocateReport& report, const Collocate& collocate,
                                        const ExplanationNumbers& numbers)
{
    static constexpr UrnNotation notation{"c", "t", "N", "score"};
    FigureExplanation explanation{
        "Score du cooccurrent",
        "Les N formes du texte sont dans une urne, dont F portent la forme ; on tire au hasard, sans remise, t "
        "boules, autant que de places autour du pivot. Le nombre X de boules de la forme tirées suit la loi "
        "hypergéométrique, de moyenne E. Le score dit combien il serait improbable d'en tirer autant que les c "
        "cooccurrences : positif quand la forme est attirée par le pivot ; 2 veut dire une probabilité de 1 %.",
        urnScoreFormula(notation),
        {"« " + cp1252ToUtf8(collocate.form) + " » : c = " + numbers.count(collocate.count)
         + " (cooccurrences), F = " + numbers.count(collocate.attestations)
         + " (attestations) ; t = " + numbers.count(report.spanForms) + " (places autour de « "
         + cp1252ToUtf8(report.pivot) + " »), N = " + numbers.count(report.tokenCount) + " (formes du texte)."},
        numbers.shown(roundHalfEven(collocate.score, shownDecimals)),
        "cooccurrents.html"};
    const FormInTwoTexts draw =
        drawAroundPivot(collocate.count, collocate.attestations, report.spanForms, report.tokenCount);
    for (std::string& step : urnScoreSteps(notation, draw, collocate.score, numbers))
        explanation.steps.push_back(std::move(step));
    return explanation;
}

} // namespace quorvelle
