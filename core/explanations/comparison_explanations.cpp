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

// How the figures of one of the two texts are named: the text's number, and the subscript of
// its symbols.
struct TextNaming {
    std::string number; ///< "1"
    std::string subscript;

    std::string symbol(std::string_view letter) const { return std::string(letter) + subscript; }
    std::string name() const { return "du texte n°" + number; }
};

TextNaming namingOf(std::size_t side)
{
    return side == 0 ? TextNaming{"1", "₁"} : TextNaming{"2", "₂"};
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
                                   const TextNaming& text, const ExplanationNumbers& numbers)
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

FigureExplanation explainComparedTokenCount(const VocabularyComparison& comparison, std::size_t side,
                                            const ExplanationNumbers& numbers)
{
    const ComparedText& text = comparison.texts.at(side);
    const TextNaming naming = namingOf(side);
    const std::string count = numbers.count(text.vocabulary.tokenCount);
    return {"Nombre total de formes " + naming.name(),
            "La longueur " + naming.name()
                + ", comptée en formes : chaque forme compte autant de fois qu'elle y apparaît.",
            naming.symbol("N"),
            {"On compte les formes " + naming.name() + " une à une : " + naming.symbol("N") + " = " + count + "."},
            count,
            comparisonPage};
}

FigureExplanation explainComparedDistinctCount(const VocabularyComparison& comparison, std::size_t side,
                                               const ExplanationNumbers& numbers)
{
    const ComparedText& text = comparison.texts.at(side);
    const TextNaming naming = namingOf(side);
    const std::string count = numbers.count(text.vocabulary.distinctCount);
    return {"Nombre total de formes différentes " + naming.name(),
            "Combien de formes différentes emploie le texte n°" + naming.number
                + " : la taille de son vocabulaire. Chaque forme compte une seule fois, majuscules et minuscules "
                  "confondues ; les accents, eux, comptent : « a » et « à » sont deux formes.",
            naming.symbol("V"),
            {"On compte les formes différentes " + naming.name() + " : " + naming.symbol("V") + " = " + count + "."},
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

FigureExplanation explainProperCount(const VocabularyComparison& comparison, std::size_t side,
                                     const ExplanationNumbers& numbers)
{
    const ComparedText& text = comparison.texts.at(side);
    const TextNaming naming = namingOf(side);
    const std::string v = numbers.count(text.vocabulary.distinctCount);
    const std::string c = numbers.count(comparison.commonCount);
    return {"Nombre de formes différentes propres au texte n°" + naming.number,
            "Combien de formes différentes n'apparaissent que dans le texte n°" + naming.number
                + ", jamais dans l'autre. C'est son nombre de formes différentes moins celui des formes communes.",
            naming.symbol("P") + " = " + naming.symbol("V") + " − C",
            {naming.symbol("V") + " = " + v + " et C = " + c + ".",
             v + " − " + c + " = " + numbers.count(text.properCount)},
            numbers.count(text.properCount),
            comparisonPage};
}

FigureExplanation explainCommonTokens(const VocabularyComparison& comparison, std::size_t side,
                                      const ExplanationNumbers& numbers)
{
    const ComparedText& text = comparison.texts.at(side);
    const TextNaming naming = namingOf(side);
    const std::string count = numbers.count(text.commonTokens);
    return {"Attestations des formes communes dans le texte n°" + naming.number,
            "Combien de fois les formes communes aux deux textes apparaissent dans le texte n°" + naming.number
                + ". On additionne leurs nombres d'attestations dans ce texte.",
            naming.symbol("A"),
            {"On additionne les attestations dans le texte n°" + naming.number
             + " des formes communes (C = " + numbers.counted(comparison.commonCount, "forme", "formes")
             + ") : " + naming.symbol("A") + " = " + count + "."},
            count,
            comparisonPage};
}

FigureExplanation explainProperTokens(const VocabularyComparison& comparison, std::size_t side,
                                      const ExplanationNumbers& numbers)
{
    const ComparedText& text = comparison.texts.at(side);
    const TextNaming naming = namingOf(side);
    const std::string n = numbers.count(text.vocabulary.tokenCount);
    const std::string a = numbers.count(text.commonTokens);
    return {"Attestations des formes propres au texte n°" + naming.number,
            "Combien de fois les formes propres au texte n°" + naming.number
                + ", absentes de l'autre, y apparaissent. C'est son nombre total de formes moins les attestations "
                  "des formes communes.",
            naming.symbol("N") + " − " + naming.symbol("A"),
            {naming.symbol("N") + " = " + n + " et " + naming.symbol("A") + " = " + a + ".",
             n + " − " + a + " = " + numbers.count(text.properTokens)},
            numbers.count(text.properTokens),
            comparisonPage};
}

FigureExplanation explainCommonShare(const VocabularyComparison& comparison, std::size_t side,
                                     const ExplanationNumbers& numbers)
{
    const ComparedText& text = comparison.texts.at(side);
    const TextNaming naming = namingOf(side);
    return shareExplanation(
        "Part des formes communes parmi les formes différentes " + naming.name(),
        "La part du vocabulaire " + naming.name()
            + " que l'autre texte emploie aussi : sur 100 de ses formes différentes, combien sont communes aux "
              "deux textes. On divise le nombre de formes communes par son nombre de formes différentes, on "
              "multiplie par 100 et l'on arrondit à deux décimales.",
        "C / " + naming.symbol("V") + " × 100",
        {"C", comparison.commonCount, naming.symbol("V"), text.vocabulary.distinctCount, text.commonShare}, naming,
        numbers);
}

FigureExplanation explainProperShare(const VocabularyComparison& comparison, std::size_t side,
                                     const ExplanationNumbers& numbers)
{
    const ComparedText& text = comparison.texts.at(side);
    const TextNaming naming = namingOf(side);
    return shareExplanation(
        "Part des formes propres parmi les formes différentes " + naming.name(),
        "La part du vocabulaire " + naming.name()
            + " que l'autre texte n'emploie pas : sur 100 de ses formes différentes, combien lui sont propres. On "
              "divise le nombre de ses formes propres par son nombre de formes différentes, on multiplie par 100 et "
              "l'on arrondit à deux décimales.",
        naming.symbol("P") + " / " + naming.symbol("V") + " × 100",
        {naming.symbol("P"), text.properCount, naming.symbol("V"), text.vocabulary.distinctCount, text.properShare},
        naming, numbers);
}

FigureExplanation explainCommonTokenShare(const VocabularyComparison& comparison, std::size_t side,
                                          const ExplanationNumbers& numbers)
{
    const ComparedText& text = comparison.texts.at(side);
    const TextNaming naming = namingOf(side);
    return shareExplanation(
        "Part des attestations des formes communes dans le texte n°" + naming.number,
        "La part " + naming.name()
            + " faite de formes communes aux deux textes : sur 100 de ses formes, chaque apparition comptée, "
              "combien sont des formes que l'autre texte emploie aussi. On divise leurs attestations par le nombre "
              "total de formes du texte, on multiplie par 100 et l'on arrondit à deux décimales.",
        naming.symbol("A") + " / " + naming.symbol("N") + " × 100",
        {naming.symbol("A"), text.commonTokens, naming.symbol("N"), text.vocabulary.tokenCount, text.commonTokenShare},
        naming, numbers);
}

FigureExplanation explainProperTokenShare(const VocabularyComparison& comparison, std::size_t side,
                                          const ExplanationNumbers& numbers)
{
    const ComparedText& text = comparison.texts.at(side);
    const TextNaming naming = namingOf(side);
    const std::string proper = naming.symbol("N") + " − " + naming.symbol("A");
    return shareExplanation(
        "Part des attestations des formes propres au texte n°" + naming.number,
        "La part " + naming.name()
            + " faite de formes qui lui sont propres : sur 100 de ses formes, chaque apparition comptée, combien "
              "sont des formes que l'autre texte n'emploie pas. On divise leurs attestations par le nombre total "
              "de formes du texte, on multiplie par 100 et l'on arrondit à deux décimales.",
        "(" + proper + ") / " + naming.symbol("N") + " × 100",
        {proper, text.properTokens, naming.symbol("N"), text.vocabulary.tokenCount, text.properTokenShare}, naming,
        numbers);
}

} // namespace quorvelle
