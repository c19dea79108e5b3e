// The counts and shares of the comparison of two texts, in the manual's notation: N₁ and N₂ forms,
// V₁ and V₂ different forms, C common forms, P₁ and P₂ forms proper to each text, A₁ and A₂
// attestations of the common forms in each text.
#include "core/explanations/comparison_explanations.h"

#include "core/explanations/share_steps.h"

#include <cstdint>
#include <optional>
#include <string>

namespace quorvelle {
namespace {

constexpr const char* comparisonPage = "comparaison.html";

// What the comparison holds of one of its texts, and how its figures are named.
struct ComparedText {
    std::string number; ///< "1"
    std::string subscript;
    const TextVocabulary& vocabulary;
    std::int64_t properCount;
    std::int64_t commonTokens;
    std::int64_t properTokens;
    std::optional<double> commonShare;
    std::optional<double> properShare;
    std::optional<double> commonTokenShare;
    std::optional<double> properTokenShare;

    std::string symbol(std::string_view letter) const { return std::string(letter) + subscript; }
    std::string name() const { return "du texte n°" + number; }
};

template <int Text>
ComparedText comparedText(const VocabularyComparison& c)
{
    static_assert(Text == 1 || Text == 2);
    if constexpr (Text == 1)
        return {.number = "1",
                .subscript = "₁",
                .vocabulary = c.text1,
                .properCount = c.properCount1,
                .commonTokens = c.commonTokens1,
                .properTokens = c.properTokens1,
                .commonShare = c.commonShare1,
                .properShare = c.properShare1,
                .commonTokenShare = c.commonTokenShare1,
                .properTokenShare = c.properTokenShare1};
    else
        return {.number = "2",
                .subscript = "₂",
                .vocabulary = c.text2,
                .properCount = c.properCount2,
                .commonTokens = c.commonTokens2,
                .properTokens = c.properTokens2,
                .commonShare = c.commonShare2,
                .properShare = c.properShare2,
                .commonTokenShare = c.commonTokenShare2,
                .properTokenShare = c.properTokenShare2};
}

// A share of a text: what the part and the whole are, then the percentage step by step.
struct Share {
    std::string partSymbol;
    std::int64_t part;
    std::string wholeSymbol;
    std::int64_t whole;
    std::optional<double> value;
};

FigureExplanation shareExplanation(std::string figure, std::string inWords, std::string formula, const Share& share,
                                   const ComparedText& text, const ExplanationNumbers& numbers)
{
    FigureExplanation explanation{std::move(figure),
                                  std::move(inWords),
                                  std::move(formula),
                                  {share.partSymbol + " = " + numbers.count(share.part) + " et " + share.wholeSymbol
                                   + " = " + numbers.count(share.whole) + "."},
                                  {},
                                  comparisonPage};
    explainShare(explanation, share.part, share.whole, share.value,
                 "Le texte n°" + text.number + " n'a aucune forme (" + share.wholeSymbol
                     + " = 0) : on ne divise pas par 0, le pourcentage reste vide.",
                 numbers);
    return explanation;
}

} // namespace

template <int Text>
FigureExplanation explainComparedTokenCount(const VocabularyComparison& comparison, const ExplanationNumbers& numbers)
{
    const ComparedText text = comparedText<Text>(comparison);
    const std::string count = numbers.count(text.vocabulary.tokenCount);
    return {"Nombre total de formes " + text.name(),
            "La longueur " + text.name()
                + ", comptée en formes : chaque forme compte autant de fois qu'elle y apparaît.",
            text.symbol("N"),
            {"On compte les formes " + text.name() + " une à une : " + text.symbol("N") + " = " + count + "."},
            count,
            comparisonPage};
}

template <int Text>
FigureExplanation explainComparedDistinctCount(const VocabularyComparison& comparison,
                                               const ExplanationNumbers& numbers)
{
    const ComparedText text = comparedText<Text>(comparison);
    const std::string count = numbers.count(text.vocabulary.distinctCount);
    return {"Nombre total de formes différentes " + text.name(),
            "Combien de formes différentes emploie le texte n°" + text.number
                + " : la taille de son vocabulaire. Chaque forme compte une seule fois, majuscules et minuscules "
                  "confondues ; les accents, eux, comptent : « a » et « à » sont deux formes.",
            text.symbol("V"),
            {"On compte les formes différentes " + text.name() + " : " + text.symbol("V") + " = " + count + "."},
            count,
            comparisonPage};
}

FigureExplanation explainCommonCount(const VocabularyComparison& comparison, const ExplanationNumbers& numbers)
{
    const std::string count = numbers.count(comparison.commonCount);
    return {"Nombre total de formes différentes communes",
            "Combien de formes différentes les deux textes ont en commun : chaque forme employée dans l'un et "
            "dans l'autre compte une seule fois.",
            "C",
            {"On compte les formes de la liste des formes communes, une par ligne : C = " + count + "."},
            count,
            comparisonPage};
}

template <int Text>
FigureExplanation explainProperCount(const VocabularyComparison& comparison, const ExplanationNumbers& numbers)
{
    const ComparedText text = comparedText<Text>(comparison);
    const std::string v = numbers.count(text.vocabulary.distinctCount);
    const std::string c = numbers.count(comparison.commonCount);
    return {
        "Nombre de formes différentes propres au texte n°" + text.number,
        "Combien de formes différentes n'apparaissent que dans le texte n°" + text.number
            + ", jamais dans l'autre. C'est son nombre de formes différentes moins celui des formes communes.",
        text.symbol("P") + " = " + text.symbol("V") + " − C",
        {text.symbol("V") + " = " + v + " et C = " + c + ".", v + " − " + c + " = " + numbers.count(text.properCount)},
        numbers.count(text.properCount),
        comparisonPage};
}

template <int Text>
FigureExplanation explainCommonTokens(const VocabularyComparison& comparison, const ExplanationNumbers& numbers)
{
    const ComparedText text = comparedText<Text>(comparison);
    const std::string count = numbers.count(text.commonTokens);
    return {"Attestations des formes communes dans le texte n°" + text.number,
            "Combien de fois les formes communes aux deux textes apparaissent dans le texte n°" + text.number
                + ". On additionne leurs nombres d'attestations dans ce texte.",
            text.symbol("A"),
            {"On additionne les attestations dans le texte n°" + text.number
             + " des formes communes (C = " + numbers.counted(comparison.commonCount, "forme", "formes")
             + ") : " + text.symbol("A") + " = " + count + "."},
            count,
            comparisonPage};
}

template <int Text>
FigureExplanation explainProperTokens(const VocabularyComparison& comparison, const ExplanationNumbers& numbers)
{
    const ComparedText text = comparedText<Text>(comparison);
    const std::string n = numbers.count(text.vocabulary.tokenCount);
    const std::string a = numbers.count(text.commonTokens);
    return {"Attestations des formes propres au texte n°" + text.number,
            "Combien de fois les formes propres au texte n°" + text.number
                + ", absentes de l'autre, y apparaissent. C'est son nombre total de formes moins les attestations "
                  "des formes communes.",
            text.symbol("N") + " − " + text.symbol("A"),
            {text.symbol("N") + " = " + n + " et " + text.symbol("A") + " = " + a + ".",
             n + " − " + a + " = " + numbers.count(text.properTokens)},
            numbers.count(text.properTokens),
            comparisonPage};
}

template <int Text>
FigureExplanation explainCommonShare(const VocabularyComparison& comparison, const ExplanationNumbers& numbers)
{
    const ComparedText text = comparedText<Text>(comparison);
    return shareExplanation(
        "Part des formes communes parmi les formes différentes " + text.name(),
        "La part du vocabulaire " + text.name()
            + " que l'autre texte emploie aussi : sur 100 de ses formes différentes, combien sont communes aux "
              "deux textes. On divise le nombre de formes communes par son nombre de formes différentes, on "
              "multiplie par 100 et l'on arrondit à deux décimales.",
        "C / " + text.symbol("V") + " × 100",
        {"C", comparison.commonCount, text.symbol("V"), text.vocabulary.distinctCount, text.commonShare}, text,
        numbers);
}

template <int Text>
FigureExplanation explainProperShare(const VocabularyComparison& comparison, const ExplanationNumbers& numbers)
{
    const ComparedText text = comparedText<Text>(comparison);
    return shareExplanation(
        "Part des formes propres parmi les formes différentes " + text.name(),
        "La part du vocabulaire " + text.name()
            + " que l'autre texte n'emploie pas : sur 100 de ses formes différentes, combien lui sont propres. On "
              "divise le nombre de ses formes propres par son nombre de formes différentes, on multiplie par 100 et "
              "l'on arrondit à deux décimales.",
        text.symbol("P") + " / " + text.symbol("V") + " × 100",
        {text.symbol("P"), text.properCount, text.symbol("V"), text.vocabulary.distinctCount, text.properShare}, text,
        numbers);
}

template <int Text>
FigureExplanation explainCommonTokenShare(const VocabularyComparison& comparison, const ExplanationNumbers& numbers)
{
    const ComparedText text = comparedText<Text>(comparison);
    return shareExplanation(
        "Part des attestations des formes communes dans le texte n°" + text.number,
        "La part " + text.name()
            + " faite de formes communes aux deux textes : sur 100 de ses formes, chaque apparition comptée, "
              "combien sont des formes que l'autre texte emploie aussi. On divise leurs attestations par le nombre "
              "total de formes du texte, on multiplie par 100 et l'on arrondit à deux décimales.",
        text.symbol("A") + " / " + text.symbol("N") + " × 100",
        {text.symbol("A"), text.commonTokens, text.symbol("N"), text.vocabulary.tokenCount, text.commonTokenShare},
        text, numbers);
}

template <int Text>
FigureExplanation explainProperTokenShare(const VocabularyComparison& comparison, const ExplanationNumbers& numbers)
{
    const ComparedText text = comparedText<Text>(comparison);
    const std::string proper = text.symbol("N") + " − " + text.symbol("A");
    return shareExplanation(
        "Part des attestations des formes propres au texte n°" + text.number,
        "La part " + text.name()
            + " faite de formes qui lui sont propres : sur 100 de ses formes, chaque apparition comptée, combien "
              "sont des formes que l'autre texte n'emploie pas. On divise leurs attestations par le nombre total "
              "de formes du texte, on multiplie par 100 et l'on arrondit à deux décimales.",
        "(" + proper + ") / " + text.symbol("N") + " × 100",
        {proper, text.properTokens, text.symbol("N"), text.vocabulary.tokenCount, text.properTokenShare}, text,
        numbers);
}

// The figures of both texts.
template FigureExplanation explainComparedTokenCount<1>(const VocabularyComparison&, const ExplanationNumbers&);
template FigureExplanation explainComparedDistinctCount<1>(const VocabularyComparison&, const ExplanationNumbers&);
template FigureExplanation explainProperCount<1>(const VocabularyComparison&, const ExplanationNumbers&);
template FigureExplanation explainCommonTokens<1>(const VocabularyComparison&, const ExplanationNumbers&);
template FigureExplanation explainProperTokens<1>(const VocabularyComparison&, const ExplanationNumbers&);
template FigureExplanation explainCommonShare<1>(const VocabularyComparison&, const ExplanationNumbers&);
template FigureExplanation explainProperShare<1>(const VocabularyComparison&, const ExplanationNumbers&);
template FigureExplanation explainCommonTokenShare<1>(const VocabularyComparison&, const ExplanationNumbers&);
template FigureExplanation explainProperTokenShare<1>(const VocabularyComparison&, const ExplanationNumbers&);
template FigureExplanation explainComparedTokenCount<2>(const VocabularyComparison&, const ExplanationNumbers&);
template FigureExplanation explainComparedDistinctCount<2>(const VocabularyComparison&, const ExplanationNumbers&);
template FigureExplanation explainProperCount<2>(const VocabularyComparison&, const ExplanationNumbers&);
template FigureExplanation explainCommonTokens<2>(const VocabularyComparison&, const ExplanationNumbers&);
template FigureExplanation explainProperTokens<2>(const VocabularyComparison&, const ExplanationNumbers&);
template FigureExplanation explainCommonShare<2>(const VocabularyComparison&, const ExplanationNumbers&);
template FigureExplanation explainProperShare<2>(const VocabularyComparison&, const ExplanationNumbers&);
template FigureExplanation explainCommonTokenShare<2>(const VocabularyComparison&, const ExplanationNumbers&);
template FigureExplanation explainProperTokenShare<2>(const VocabularyComparison&, const ExplanationNumbers&);

} // namespace quorvelle
