// The urn of the specificities, Dunning's two terms and Hardie's ratio, with a form's counts.
#include "core/explanations/keyness_explanations.h"

#include "core/explanations/urn_draw.h"
#include "core/reports/keyness_scores.h"
#include "core/reports/portable_math.h"
#include "core/reports/rounding.h"
#include "core/text/encoding.h"

#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace quorvelle {
namespace {

constexpr const char* specificitiesPage = "specificites.html";
constexpr int shownDecimals = 2; // of every figure of the table of scores

// "f1", "N2": a symbol of text 1 or 2.
std::string symbol(char letter, int text)
{
    return letter + std::to_string(text);
}

std::string textName(int text)
{
    return "texte n°" + std::to_string(text);
}

std::string quoted(const SpecificForm& form)
{
    return "« " + cp1252ToUtf8(form.form) + " »";
}

FormInTwoTexts countsOf(const SpecificityReport& report, const SpecificForm& form)
{
    return {form.f1, form.f2, report.n1, report.n2};
}

// « mer » : f1 = 10, f2 = 0, F = f1 + f2 = 10 ; N1 = 15, N2 = 15, T = N1 + N2 = 30.
std::string countsStep(const SpecificityReport& report, const SpecificForm& form, const ExplanationNumbers& numbers)
{
    return quoted(form) + " : f1 = " + numbers.count(form.f1) + ", f2 = " + numbers.count(form.f2)
        + ", F = f1 + f2 = " + numbers.count(form.f1 + form.f2) + " ; N1 = " + numbers.count(report.n1)
        + ", N2 = " + numbers.count(report.n2) + ", T = N1 + N2 = " + numbers.count(report.n1 + report.n2) + ".";
}

// A number worked out for an explanation, and the step that writes how.
struct WorkedOut {
    double value;
    std::string step;
};

// One text's term of G², f ln(f / E).
WorkedOut likelihoodTerm(int text, std::int64_t attestations, double expected, const ExplanationNumbers& numbers)
{
    const std::string f = symbol('f', text), e = symbol('E', text);
    const std::string written = f + " ln(" + f + " / " + e + ")";
    if (attestations == 0)
        return {0, f + " = 0 : " + written + " compte 0."};
    const auto observed = static_cast<double>(attestations);
    const double value = observed * portable::log(observed / expected);
    return {value,
            written + " = " + numbers.count(attestations) + " × ln(" + numbers.count(attestations) + " / "
                + numbers.exact(expected) + ") = " + numbers.exact(value)};
}

// f / N, an absence counted 0,5: "f1 / N1 = 10 / 15 = 0,6666…".
WorkedOut relativeFrequency(int text, std::int64_t attestations, std::int64_t forms, const ExplanationNumbers& numbers)
{
    const double counted = attestations == 0 ? absenceCountedAs : static_cast<double>(attestations);
    const double relative = counted / static_cast<double>(forms);
    return {relative,
            symbol('f', text) + " / " + symbol('N', text) + " = " + numbers.shown(counted) + " / "
                + numbers.count(forms) + " = " + numbers.exact(relative)};
}

} // namespace

FigureExplanation explainTextSize(int text, std::int64_t forms, const ExplanationNumbers& numbers)
{
    const std::string n = symbol('N', text);
    // Only text 1 is drawn: the forms of text 2 are the balls left in the urn.
    const std::string inTheUrn = text == 1
        ? "Dans le modèle de l'urne, qui contient les T = N1 + N2 formes des deux textes, N1 est le nombre de "
          "boules que l'on tire."
        : "Dans le modèle de l'urne, qui contient les T = N1 + N2 formes des deux textes, on tire N1 boules : les "
          "N2 autres, autant que le texte n°2 a de formes, restent dans l'urne.";
    return {"Formes du " + textName(text),
            "La longueur du " + textName(text)
                + ", comptée en formes : chaque forme compte autant de fois qu'elle y apparaît. " + inTheUrn,
            n,
            {"On compte les formes du " + textName(text) + " une à une : " + n + " = " + numbers.count(forms) + "."},
            numbers.count(forms),
            specificitiesPage};
}

FigureExplanation explainSpecificFormCount(const SpecificityReport& report, int text, const ExplanationNumbers& numbers)
{
    const std::string reached = text == 1 ? "S ≥ s" : "S ≤ −s";
    const std::string threshold = numbers.shown(report.threshold);
    const std::int64_t count = text == 1 ? report.overUsedIn1() : report.overUsedIn2();
    return {
        "Formes spécifiques du " + textName(text),
        "Combien de formes le " + textName(text) + " emploie nettement plus que le " + textName(3 - text)
            + " : celles dont la spécificité S atteint le seuil de spécificité s choisi, "
            + (text == 1 ? "en positif (S ≥ s)." : "en négatif (S ≤ −s), car elle est négative du côté du texte n°2."),
        "nombre de formes où " + reached,
        {"s = " + threshold + " (« Seuil de spécificité »).",
         "Les deux textes ont "
             + numbers.counted(static_cast<std::int64_t>(report.forms.size()), "forme différente", "formes différentes")
             + " ; on compte celles dont " + (text == 1 ? "S ≥ " + threshold : "S ≤ −" + threshold) + " : "
             + numbers.count(count) + "."},
        numbers.count(count),
        specificitiesPage};
}

FigureExplanation explainFrequencyPer10000(const SpecificityReport& report, const SpecificForm& form, int text,
                                           const ExplanationNumbers& numbers)
{
    const std::string f = symbol('f', text), n = symbol('N', text);
    const std::int64_t attestations = text == 1 ? form.f1 : form.f2;
    const std::int64_t forms = text == 1 ? report.n1 : report.n2;
    const std::optional<double> frequency = text == 1 ? form.frequency1 : form.frequency2;
    FigureExplanation explanation{"Fréquence n°" + std::to_string(text) + " (pour 10 000)",
                                  "Combien de fois on lit la forme, en moyenne, sur 10 000 formes du " + textName(text)
                                      + " : de quoi comparer des textes de longueurs différentes. On multiplie ses "
                                        "attestations dans ce texte par 10 000, et l'on divise par le nombre de "
                                        "formes du texte.",
                                  f + " × 10 000 / " + n,
                                  {quoted(form) + " : " + f + " = " + numbers.count(attestations) + " et " + n + " = "
                                   + numbers.count(forms) + "."},
                                  {},
                                  specificitiesPage};
    if (!frequency) {
        explanation.steps.push_back("Le " + textName(text) + " n'a aucune forme : on ne divise pas par " + n
                                    + " = 0, la fréquence reste vide.");
        return explanation;
    }
    explanation.steps.push_back(numbers.count(attestations) + " × 10 000 / " + numbers.count(forms) + " = "
                                + numbers.exact(*frequency));
    explanation.steps.push_back(numbers.roundingStep(*frequency, shownDecimals));
    explanation.shown = numbers.shown(roundHalfEven(*frequency, shownDecimals));
    return explanation;
}

FigureExplanation explainSpecificity(const SpecificityReport& report, const SpecificForm& form,
                                     const ExplanationNumbers& numbers)
{
    static constexpr UrnNotation notation{"f1", "N1", "T", "S"};
    FigureExplanation explanation{
        "Spécificité (Lafon)",
        "À quel point le texte n°1 emploie la forme plus, ou moins, que le hasard ne le voudrait : la spécificité "
        "est positive quand le texte n°1 l'emploie plus, négative quand c'est le texte n°2 ; 2 veut dire que le "
        "hasard donnerait un tel écart, ou un plus grand, avec une probabilité de 1 %. On met les T = N1 + N2 "
        "formes des deux textes dans une urne, une boule par forme ; F boules portent la forme. On tire au hasard, "
        "sans remise, N1 boules, autant que le texte n°1 a de formes ; les N2 autres restent dans l'urne. Le nombre "
        "X de boules de la forme tirées suit la loi hypergéométrique, de moyenne E ; C(n, k) y est le nombre de "
        "façons de choisir k boules parmi n. La spécificité dit combien il serait improbable d'en tirer au moins "
        "f1 (au plus f1 quand f1 est sous E).",
        urnScoreFormula(notation),
        {countsStep(report, form, numbers)},
        numbers.shown(roundHalfEven(form.specificity, shownDecimals)),
        specificitiesPage};
    for (std::string& step : urnScoreSteps(notation, countsOf(report, form), form.specificity, numbers))
        explanation.steps.push_back(std::move(step));
    return explanation;
}

FigureExplanation explainLogLikelihood(const SpecificityReport& report, const SpecificForm& form,
                                       const ExplanationNumbers& numbers)
{
    const auto attestations = static_cast<double>(form.f1 + form.f2);
    const auto total = static_cast<double>(report.n1 + report.n2);
    const double expected1 = static_cast<double>(report.n1) * attestations / total;
    const double expected2 = static_cast<double>(report.n2) * attestations / total;
    const WorkedOut term1 = likelihoodTerm(1, form.f1, expected1, numbers);
    const WorkedOut term2 = likelihoodTerm(2, form.f2, expected2, numbers);
    const std::string f = numbers.count(form.f1 + form.f2), t = numbers.count(report.n1 + report.n2);
    FigureExplanation explanation{
        "G² (Dunning)",
        "À quel point l'écart entre les deux textes dans l'emploi de la forme est sûr, et non un effet du hasard : "
        "plus G² est grand, plus l'écart est sûr ; il est positif quand le texte n°1 emploie plus la forme, "
        "négatif quand c'est le texte n°2, comme la spécificité. C'est la log-vraisemblance : deux fois la somme, "
        "pour chaque texte, des attestations de la forme multipliées par le logarithme népérien (ln) de leur "
        "rapport aux attestations attendues si la forme se répartissait selon la taille des textes, 0 × ln 0 "
        "compté 0.",
        "G² = 2 (f1 ln(f1 / E1) + f2 ln(f2 / E2)), avec E1 = N1 × F / T et E2 = N2 × F / T",
        {countsStep(report, form, numbers),
         "E1 = N1 × F / T = " + numbers.count(report.n1) + " × " + f + " / " + t + " = " + numbers.exact(expected1),
         "E2 = N2 × F / T = " + numbers.count(report.n2) + " × " + f + " / " + t + " = " + numbers.exact(expected2),
         term1.step, term2.step},
        numbers.shown(roundHalfEven(form.g2, shownDecimals)),
        specificitiesPage};
    const std::string second =
        term2.value < 0 ? " − " + numbers.exact(-term2.value) : " + " + numbers.exact(term2.value);
    explanation.steps.push_back("2 × (" + numbers.exact(term1.value) + second
                                + ") = " + numbers.exact(std::abs(form.g2)));
    if (form.g2 > 0)
        explanation.steps.emplace_back("f1 / N1 > f2 / N2 : la forme est plus fréquente dans le texte n°1, G² est "
                                       "positif.");
    else if (form.g2 < 0)
        explanation.steps.push_back("f1 / N1 < f2 / N2 : la forme est plus fréquente dans le texte n°2, G² prend "
                                    "le signe − : "
                                    + numbers.exact(form.g2));
    explanation.steps.push_back(numbers.roundingStep(form.g2, shownDecimals));
    return explanation;
}

FigureExplanation explainLogRatio(const SpecificityReport& report, const SpecificForm& form,
                                  const ExplanationNumbers& numbers)
{
    FigureExplanation explanation{
        "Log ratio (Hardie)",
        "Combien de fois la forme est plus fréquente dans un texte que dans l'autre, en puissances de 2 : 1 pour "
        "une forme deux fois plus fréquente dans le texte n°1, 3 pour huit fois plus, −1 pour deux fois plus "
        "fréquente dans le texte n°2. C'est le logarithme en base 2 du rapport des fréquences relatives de la "
        "forme dans les deux textes ; une forme absente d'un texte y compte pour 0,5 attestation.",
        "log2((f1 / N1) / (f2 / N2))",
        {quoted(form) + " : f1 = " + numbers.count(form.f1) + ", N1 = " + numbers.count(report.n1)
         + " ; f2 = " + numbers.count(form.f2) + ", N2 = " + numbers.count(report.n2) + "."},
        {},
        specificitiesPage};
    if (!form.logRatio) {
        const int empty = report.n1 == 0 ? 1 : 2;
        explanation.steps.push_back("Le " + textName(empty) + " n'a aucune forme : on ne divise pas par "
                                    + symbol('N', empty) + " = 0, le log ratio reste vide.");
        return explanation;
    }
    for (const int text : {1, 2})
        if ((text == 1 ? form.f1 : form.f2) == 0)
            explanation.steps.push_back(symbol('f', text) + " = 0 : l'absence compte " + numbers.shown(absenceCountedAs)
                                        + ".");
    const WorkedOut relative1 = relativeFrequency(1, form.f1, report.n1, numbers);
    const WorkedOut relative2 = relativeFrequency(2, form.f2, report.n2, numbers);
    const double ratio = relative1.value / relative2.value;
    explanation.steps.push_back(relative1.step);
    explanation.steps.push_back(relative2.step);
    explanation.steps.push_back("(f1 / N1) / (f2 / N2) = " + numbers.exact(relative1.value) + " / "
                                + numbers.exact(relative2.value) + " = " + numbers.exact(ratio));
    explanation.steps.push_back("log2 " + numbers.exact(ratio) + " = " + numbers.exact(*form.logRatio));
    explanation.steps.push_back(numbers.roundingStep(*form.logRatio, shownDecimals));
    explanation.shown = numbers.shown(roundHalfEven(*form.logRatio, shownDecimals));
    return explanation;
}

} // namespace quorvelle
