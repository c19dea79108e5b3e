// The score of a co-occurring form: the specificities' urn, drawn around the pivot.
#include "core/explanations/collocate_explanations.h"

#include "core/explanations/urn_draw.h"
#include "core/presentation/number_format.h"
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
            "Le nombre d'occurrences du pivot dans le texte, majuscules et minuscules confondues : a, le nombre de "
            "fenêtres que l'on ouvre autour de lui.",
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
        std::string("t : les places du texte que couvrent les fenêtres de k formes avant et après chaque occurrence "
                    "du pivot")
            + (report.options.withinSentence ? ", arrêtées aux bornes de sa phrase" : "")
            + ". Une place que deux fenêtres couvrent compte une fois, et les occurrences du pivot n'en sont jamais "
              "une : t est le nombre de boules que l'urne du score tire.",
        "t ≤ 2 × k × a",
        {pivotName(report) + " : a = " + numbers.count(report.pivotAttestations)
             + " occurrences, k = " + numbers.count(span) + " formes de chaque côté.",
         "Séparées, les fenêtres couvriraient 2 × k × a = 2 × " + numbers.count(span) + " × "
             + numbers.count(report.pivotAttestations) + " = " + numbers.count(apart) + " places."},
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
        "Les N formes du texte sont dans une urne, dont F portent la forme ; on tire au hasard, sans remise, t "
        "boules, autant que de places autour du pivot. Le nombre X de boules de la forme tirées suit la loi "
        "hypergéométrique, de moyenne E. Le score dit combien il serait improbable d'en tirer autant que les c "
        "cooccurrences : positif quand la forme est attirée par le pivot ; 2 veut dire une probabilité de 1 %.",
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
