// The score of a co-occurring form: the specificities' urn, drawn around the pivot.
#include "core/explanations/collocate_explanations.h"

#include "core/explanations/urn_draw.h"
#include "core/reports/rounding.h"
#include "core/text/encoding.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace quorvelle {
namespace {

constexpr int shownDecimals = 2;
constexpr const char* collocatesPage = "cooccurrents.html";

std::string pivotName(const CollocateReport& report)
{
    return "« " + cp1252ToUtf8(report.pivot) + " »";
}

} // namespace

FigureExplanation explainPivotAttestations(const CollocateReport& report, const ExplanationNumbers& numbers)
{
    const std::string a = numbers.count(report.pivotAttestations);
    return {"Attestations du pivot",
            "Combien de fois le pivot apparaît dans le texte, majuscules et minuscules confondues : on ouvre une "
            "fenêtre autour de chacune de ces a occurrences.",
            "a",
            {"On compte les occurrences de " + pivotName(report) + " dans le texte : a = " + a + "."},
            a,
            collocatesPage};
}

FigureExplanation explainSpanForms(const CollocateReport& report, const ExplanationNumbers& numbers)
{
    const std::int64_t span = std::max<std::int64_t>(report.options.span, 0);
    const std::int64_t apart = 2 * span * report.pivotAttestations;
    const std::string t = numbers.count(report.spanForms);
    FigureExplanation explanation{
        "Formes autour du pivot",
        std::string("Combien de formes du texte se trouvent près du pivot : les places que couvrent les fenêtres "
                    "de k formes avant et après chacune de ses occurrences")
            + (report.options.withinSentence ? ", arrêtées aux bornes de sa phrase" : "")
            + ". Une place que deux fenêtres couvrent compte une fois, et les occurrences du pivot n'en sont jamais "
              "une. Dans le modèle de l'urne du score, t est le nombre de boules que l'on tire.",
        "t ≤ 2 × k × a",
        {pivotName(report) + " : a = " + numbers.counted(report.pivotAttestations, "occurrence", "occurrences")
             + ", k = " + numbers.counted(span, "forme", "formes") + " de chaque côté.",
         "Séparées, les fenêtres couvriraient 2 × k × a = 2 × " + numbers.count(span) + " × "
             + numbers.count(report.pivotAttestations) + " = " + numbers.counted(apart, "place", "places") + "."},
        t,
        collocatesPage};
    if (report.spanForms == apart)
        explanation.steps.push_back("Aucune ne se chevauche ni n'est coupée : t = " + t + ".");
    else
        explanation.steps.push_back(std::string("Les chevauchements, le début et la fin du texte")
                                    + (report.options.withinSentence ? ", les bornes des phrases" : "")
                                    + " et les occurrences du pivot en retirent " + numbers.count(apart) + " − " + t
                                    + " = " + numbers.count(apart - report.spanForms) + " : t = " + t + ".");
    return explanation;
}

FigureExplanation explainCollocateScore(const CollocateReport& report, const Collocate& collocate,
                                        const ExplanationNumbers& numbers)
{
    static constexpr UrnNotation notation{"c", "t", "N", "score"};
    FigureExplanation explanation{
        "Score du cooccurrent",
        "À quel point la forme est attirée par le pivot : le score est positif quand elle se trouve près de lui "
        "plus souvent que le hasard ne l'y mettrait ; 2 veut dire que le hasard l'y mettrait aussi souvent, ou "
        "plus, avec une probabilité de 1 %. On met les N formes du texte dans une urne, une boule par forme ; F "
        "boules portent la forme. On tire au hasard, sans remise, t boules, autant que de places autour du "
        "pivot ; les N − t autres restent dans l'urne. Le nombre X de boules de la forme tirées suit la loi "
        "hypergéométrique, de moyenne E ; C(n, k) y est le nombre de façons de choisir k boules parmi n. Le "
        "score dit combien il serait improbable d'en tirer au moins c, le nombre de ses cooccurrences (au plus c "
        "quand c est sous E).",
        urnScoreFormula(notation),
        {"« " + cp1252ToUtf8(collocate.form) + " » : c = " + numbers.count(collocate.count)
         + " (cooccurrences), F = " + numbers.count(collocate.attestations)
         + " (attestations) ; t = " + numbers.count(report.spanForms) + " (places autour de " + pivotName(report)
         + "), N = " + numbers.count(report.tokenCount) + " (formes du texte)."},
        numbers.shown(roundHalfEven(collocate.score, shownDecimals)),
        collocatesPage};
    const FormInTwoTexts draw =
        drawAroundPivot(collocate.count, collocate.attestations, report.spanForms, report.tokenCount);
    for (std::string& step : urnScoreSteps(notation, draw, collocate.score, numbers))
        explanation.steps.push_back(std::move(step));
    return explanation;
}

} // namespace quorvelle
