// The richness measures, step by step. Each starts from the counts the report holds and ends on
// the report's own value, rounded to measureSignificantDigits; a measure the text leaves undefined
// says why instead.
#include "core/explanations/richness_explanations.h"

#include "core/explanations/vocabulary_explanations.h"
#include "core/presentation/number_format.h"
#include "core/reports/portable_math.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace quorvelle {
namespace {

constexpr const char* richnessPage = "richesse.html";

// The explanation of a measure, starting from the numbers given; its name and formula are its
// figure's (see Figure::explained).
FigureExplanation measureExplanation(std::string inWords, std::string given)
{
    return {{}, std::move(inWords), {}, {std::move(given)}, {}, richnessPage};
}

// Ends explanation on the measure, computed by the steps: rounded to its significant digits;
// or, left undefined, on the reason why.
FigureExplanation ending(FigureExplanation explanation, std::optional<double> value, const std::string& whyUndefined,
                         const ExplanationNumbers& numbers)
{
    if (!value) {
        explanation.steps.push_back(whyUndefined + ", la mesure n'est pas définie.");
        explanation.shown = std::string(undefinedMeasure);
        return explanation;
    }
    explanation.steps.push_back(numbers.significantRoundingStep(*value, measureSignificantDigits));
    explanation.shown = numbers.shown(roundSignificant(*value, measureSignificantDigits));
    return explanation;
}

constexpr const char* withoutForms = "Le texte n'a aucune forme (N = 0) : on ne divise pas par 0";

// Why MATTR and MTLD are undefined on a short text.
std::string tooShort(const RichnessReport& report, const ExplanationNumbers& numbers)
{
    return "Le texte a moins de " + numbers.count(mattrWindow) + " formes (N = " + numbers.count(report.tokenCount)
        + ") : il n'en a aucune suite de " + numbers.count(mattrWindow);
}

std::string nAndV(const RichnessReport& report, const ExplanationNumbers& numbers)
{
    return "N = " + numbers.count(report.tokenCount) + " et V = " + numbers.count(report.distinctCount) + ".";
}

std::string nAndSquares(const RichnessReport& report, const ExplanationNumbers& numbers)
{
    return "N = " + numbers.count(report.tokenCount) + " et Σ i² V(i) = " + numbers.count(report.squaredCountSum)
        + " (la somme des carrés des nombres d'attestations des formes différentes).";
}

} // namespace

FigureExplanation explainRichnessTokenCount(const RichnessReport& report, const ExplanationNumbers& numbers)
{
    FigureExplanation explanation = explainTokenCount(report.tokenCount, numbers);
    explanation.manualPage = richnessPage;
    return explanation;
}

FigureExplanation explainRichnessDistinctCount(const RichnessReport& report, const ExplanationNumbers& numbers)
{
    FigureExplanation explanation = explainDistinctCount(report.distinctCount, numbers);
    explanation.manualPage = richnessPage;
    return explanation;
}

FigureExplanation explainHapaxCount(const RichnessReport& report, const ExplanationNumbers& numbers)
{
    return {
        "Nombre d'hapax",
        "Combien de formes le texte n'emploie qu'une seule fois : on les appelle des hapax.",
        "V1",
        {"On compte les formes différentes attestées une seule fois : V1 = " + numbers.count(report.hapaxCount) + "."},
        numbers.count(report.hapaxCount),
        richnessPage};
}

FigureExplanation explainTtr(const RichnessReport& report, const ExplanationNumbers& numbers)
{
    FigureExplanation explanation = measureExplanation(
        "La part des formes du texte qui sont différentes : 1 quand aucune forme ne revient, d'autant plus petite "
        "que les formes se répètent. On divise le nombre de formes différentes par le nombre de formes.",
        nAndV(report, numbers));
    if (report.ttr)
        explanation.steps.push_back(numbers.count(report.distinctCount) + " / " + numbers.count(report.tokenCount)
                                    + " = " + numbers.significant(*report.ttr));
    return ending(std::move(explanation), report.ttr, withoutForms, numbers);
}

FigureExplanation explainGuiraud(const RichnessReport& report, const ExplanationNumbers& numbers)
{
    FigureExplanation explanation = measureExplanation(
        "La variété du vocabulaire, moins dépendante de la longueur du texte que V / N : plus elle est grande, "
        "plus le texte emploie de formes différentes pour sa longueur. On divise le nombre de formes différentes "
        "par la racine carrée du nombre de formes.",
        nAndV(report, numbers));
    if (report.guiraud) {
        const std::string root = numbers.significant(std::sqrt(static_cast<double>(report.tokenCount)));
        explanation.steps.push_back("√" + numbers.count(report.tokenCount) + " = " + root);
        explanation.steps.push_back(numbers.count(report.distinctCount) + " / " + root + " = "
                                    + numbers.significant(*report.guiraud));
    }
    return ending(std::move(explanation), report.guiraud, withoutForms, numbers);
}

FigureExplanation explainHerdan(const RichnessReport& report, const ExplanationNumbers& numbers)
{
    FigureExplanation explanation = measureExplanation(
        "À quelle vitesse le vocabulaire grandit avec le texte : proche de 1 quand presque chaque forme est "
        "nouvelle, plus petit quand les formes reviennent. On divise le logarithme népérien (ln) du nombre de "
        "formes différentes par celui du nombre de formes.",
        nAndV(report, numbers));
    if (report.herdan) {
        const std::string lnV = numbers.significant(portable::log(static_cast<double>(report.distinctCount)));
        const std::string lnN = numbers.significant(portable::log(static_cast<double>(report.tokenCount)));
        explanation.steps.push_back("ln " + numbers.count(report.distinctCount) + " = " + lnV);
        explanation.steps.push_back("ln " + numbers.count(report.tokenCount) + " = " + lnN);
        explanation.steps.push_back(lnV + " / " + lnN + " = " + numbers.significant(*report.herdan));
    }
    const std::string why =
        report.tokenCount == 0 ? withoutForms : "Le texte n'a qu'une forme (N = 1) : ln N = 0, on ne divise pas par 0";
    return ending(std::move(explanation), report.herdan, why, numbers);
}

FigureExplanation explainYuleK(const RichnessReport& report, const ExplanationNumbers& numbers)
{
    FigureExplanation explanation = measureExplanation(
        "À quel point les mêmes formes reviennent dans le texte : plus K est grand, plus le texte se répète. On "
        "fait la somme, sur les formes différentes, du carré de leur nombre d'attestations, on en retire le "
        "nombre de formes, on multiplie par dix mille et l'on divise par le carré du nombre de formes.",
        nAndSquares(report, numbers));
    if (report.yuleK)
        explanation.steps.push_back("10⁴ × (" + numbers.count(report.squaredCountSum) + " − "
                                    + numbers.count(report.tokenCount) + ") / " + numbers.count(report.tokenCount)
                                    + "² = 10⁴ × " + numbers.count(report.squaredCountSum - report.tokenCount) + " / "
                                    + numbers.count(report.tokenCount * report.tokenCount) + " = "
                                    + numbers.significant(*report.yuleK));
    return ending(std::move(explanation), report.yuleK, withoutForms, numbers);
}

FigureExplanation explainSimpsonD(const RichnessReport& report, const ExplanationNumbers& numbers)
{
    FigureExplanation explanation = measureExplanation(
        "La probabilité que deux formes tirées au hasard dans le texte soient la même forme : plus elle est "
        "faible, plus le vocabulaire est varié. On fait la somme, sur les formes différentes, de leur nombre "
        "d'attestations multiplié par ce nombre moins 1, et l'on divise par le nombre de formes multiplié par ce "
        "nombre moins 1.",
        nAndSquares(report, numbers));
    if (report.simpsonD) {
        const std::int64_t pairs = report.squaredCountSum - report.tokenCount;
        const std::string n = numbers.count(report.tokenCount);
        explanation.steps.push_back("Σ V(i) × i × (i − 1) = Σ i² V(i) − N = " + numbers.count(report.squaredCountSum)
                                    + " − " + n + " = " + numbers.count(pairs));
        explanation.steps.push_back(numbers.count(pairs) + " / (" + n + " × " + numbers.count(report.tokenCount - 1)
                                    + ") = " + numbers.count(pairs) + " / "
                                    + numbers.count(report.tokenCount * (report.tokenCount - 1)) + " = "
                                    + numbers.significant(*report.simpsonD));
    }
    const std::string why =
        report.tokenCount == 0 ? withoutForms : "Le texte n'a qu'une forme (N = 1) : N − 1 = 0, on ne divise pas par 0";
    return ending(std::move(explanation), report.simpsonD, why, numbers);
}

FigureExplanation explainHonoreR(const RichnessReport& report, const ExplanationNumbers& numbers)
{
    const std::string v1 = numbers.count(report.hapaxCount);
    const std::string v = numbers.count(report.distinctCount);
    FigureExplanation explanation = measureExplanation(
        "Le poids des hapax, les formes employées une seule fois : plus ils sont nombreux parmi les formes "
        "différentes, plus R est grand, et R grandit aussi avec la longueur du texte. On divise cent fois le "
        "logarithme népérien (ln) du nombre de formes par 1 moins la part des hapax parmi les formes "
        "différentes.",
        "N = " + numbers.count(report.tokenCount) + ", V = " + v + " et V1 = " + v1 + ".");
    if (report.honoreR) {
        const std::string lnN = numbers.significant(portable::log(static_cast<double>(report.tokenCount)));
        const std::string rest =
            numbers.significant(1 - static_cast<double>(report.hapaxCount) / static_cast<double>(report.distinctCount));
        explanation.steps.push_back("ln " + numbers.count(report.tokenCount) + " = " + lnN);
        explanation.steps.push_back("1 − " + v1 + " / " + v + " = " + rest);
        explanation.steps.push_back("100 × " + lnN + " / " + rest + " = " + numbers.significant(*report.honoreR));
    }
    const std::string why = report.tokenCount == 0
        ? withoutForms
        : "Toutes les formes différentes sont des hapax (V1 = V = " + v + ") : 1 − V1 / V = 0, on ne divise pas par 0";
    return ending(std::move(explanation), report.honoreR, why, numbers);
}

FigureExplanation explainHapaxPerForm(const RichnessReport& report, const ExplanationNumbers& numbers)
{
    FigureExplanation explanation = measureExplanation(
        "La part des formes différentes que le texte n'emploie qu'une seule fois (les hapax). On divise le "
        "nombre d'hapax par le nombre de formes différentes.",
        "V1 = " + numbers.count(report.hapaxCount) + " et V = " + numbers.count(report.distinctCount) + ".");
    if (report.hapaxPerForm)
        explanation.steps.push_back(numbers.count(report.hapaxCount) + " / " + numbers.count(report.distinctCount)
                                    + " = " + numbers.significant(*report.hapaxPerForm));
    return ending(std::move(explanation), report.hapaxPerForm,
                  "Le texte n'a aucune forme (V = 0) : on ne divise pas par 0", numbers);
}

FigureExplanation explainHapaxPerToken(const RichnessReport& report, const ExplanationNumbers& numbers)
{
    FigureExplanation explanation = measureExplanation(
        "La part des formes du texte qui n'y apparaissent qu'une seule fois (les hapax). On divise le nombre "
        "d'hapax par le nombre de formes.",
        "V1 = " + numbers.count(report.hapaxCount) + " et N = " + numbers.count(report.tokenCount) + ".");
    if (report.hapaxPerToken)
        explanation.steps.push_back(numbers.count(report.hapaxCount) + " / " + numbers.count(report.tokenCount) + " = "
                                    + numbers.significant(*report.hapaxPerToken));
    return ending(std::move(explanation), report.hapaxPerToken, withoutForms, numbers);
}

FigureExplanation explainMattr(const RichnessReport& report, const ExplanationNumbers& numbers)
{
    const std::string window = numbers.count(mattrWindow);
    FigureExplanation explanation = measureExplanation(
        "La part de formes différentes dans un passage de " + window
            + " formes consécutives, en moyenne sur tout le texte : comme elle porte toujours sur " + window
            + " formes, elle ne dépend pas de la longueur du texte. On calcule le rapport V / N de chaque suite de "
            + window + " formes (des formes 1 à " + window + ", puis 2 à " + numbers.count(mattrWindow + 1)
            + ", et ainsi de suite jusqu'à la fin du texte), puis leur moyenne.",
        "N = " + numbers.count(report.tokenCount) + ".");
    if (report.mattr) {
        const std::int64_t windows = report.tokenCount - mattrWindow + 1;
        const double meanDistinct = static_cast<double>(report.windowDistinctSum) / static_cast<double>(windows);
        explanation.steps.push_back(numbers.count(report.tokenCount) + " − " + window
                                    + " + 1 = " + numbers.counted(windows, "suite", "suites") + " de " + window
                                    + " formes, la dernière des formes " + numbers.count(windows) + " à "
                                    + numbers.count(report.tokenCount) + ".");
        explanation.steps.push_back(
            "La somme de leurs nombres de formes différentes V : " + numbers.count(report.windowDistinctSum) + ".");
        explanation.steps.push_back(numbers.count(report.windowDistinctSum) + " / " + numbers.count(windows) + " = "
                                    + numbers.significant(meanDistinct) + " "
                                    + std::string(agreedNoun(meanDistinct, "forme différente", "formes différentes"))
                                    + " par suite, en moyenne");
        explanation.steps.push_back(numbers.significant(meanDistinct) + " / " + window + " = "
                                    + numbers.significant(*report.mattr));
    }
    const std::string why = report.tokenCount == 0 ? withoutForms : tooShort(report, numbers);
    return ending(std::move(explanation), report.mattr, why, numbers);
}

FigureExplanation explainMtld(const RichnessReport& report, const ExplanationNumbers& numbers)
{
    const std::string n = numbers.count(report.tokenCount);
    FigureExplanation explanation = measureExplanation(
        "Combien de formes on lit, en moyenne, avant que la part des formes différentes du passage lu (son "
        "rapport V / N) ne tombe à "
            + numbers.shown(mtldThreshold)
            + " : plus le vocabulaire est varié, plus ce nombre est grand. On coupe ainsi le texte en segments ; "
              "on divise le nombre de formes par le nombre de segments, en lisant le texte dans l'ordre puis à "
              "rebours, et l'on fait la moyenne des deux.",
        "N = " + n + ".");
    const auto direction = [&](std::string_view way, double factors) {
        const std::string length = numbers.significant(static_cast<double>(report.tokenCount) / factors);
        explanation.steps.push_back(std::string(way) + " : " + numbers.significant(factors) + " "
                                    + std::string(agreedNoun(factors, "segment", "segments"))
                                    + " (les formes de la fin comptent pour une fraction) ; " + n + " / "
                                    + numbers.significant(factors) + " = " + length);
        return length;
    };
    if (report.mtld) {
        const std::string forwards = direction("Dans l'ordre du texte", report.mtldForwardFactors);
        const std::string backwards = direction("À rebours", report.mtldBackwardFactors);
        explanation.steps.push_back("(" + forwards + " + " + backwards
                                    + ") / 2 = " + numbers.significant(*report.mtld));
    }
    std::string why = withoutForms;
    if (report.tokenCount >= mattrWindow)
        why = "Dans l'un des deux sens, le rapport V / N ne tombe jamais à " + numbers.shown(mtldThreshold)
            + " : aucun segment, on ne divise pas par 0";
    else if (report.tokenCount > 0)
        why = tooShort(report, numbers);
    return ending(std::move(explanation), report.mtld, why, numbers);
}

} // namespace quorvelle
