// Measures of the richness of a vocabulary: how many distinct forms a text uses for its length.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace quorvelle {

struct TokenizedText;

/// N forms, V distinct forms, V1 hapaxes (forms attested once) and the measures built on
/// them; V(i) is the number of distinct forms attested exactly i times. A measure the text
/// cannot define is empty: every one when N = 0; Herdan when N = 1; Simpson when N < 2;
/// Honoré when every form is a hapax; MATTR and MTLD when N < 100, and MTLD also when a
/// direction of reading counts no factor.
struct RichnessReport {
    std::int64_t tokenCount = 0;    ///< N
    std::int64_t distinctCount = 0; ///< V
    std::int64_t hapaxCount = 0;    ///< V1
    /// Σ i² V(i): the sum, over the distinct forms, of their attestations squared. Yule's K and
    /// Simpson's D are computed from it, Σ V(i) i (i − 1) being Σ i² V(i) − N.
    std::int64_t squaredCountSum = 0;
    std::optional<double> ttr;           ///< V / N
    std::optional<double> guiraud;       ///< V / √N
    std::optional<double> herdan;        ///< ln V / ln N
    std::optional<double> yuleK;         ///< 10⁴ (Σ i² V(i) − N) / N²
    std::optional<double> simpsonD;      ///< Σ V(i) i (i − 1) / (N (N − 1))
    std::optional<double> honoreR;       ///< 100 ln N / (1 − V1 / V)
    std::optional<double> hapaxPerForm;  ///< V1 / V
    std::optional<double> hapaxPerToken; ///< V1 / N
    /// The mean, over every window of 100 consecutive forms, of the window's V / N.
    std::optional<double> mattr;
    /// The sum, over the N − mattrWindow + 1 windows of MATTR, of each window's V; 0 when N is
    /// below mattrWindow.
    std::int64_t windowDistinctSum = 0;
    /// The mean length of the stretches of text whose V / N stays above 0.72, read forwards
    /// and backwards.
    std::optional<double> mtld;
    /// The factors of MTLD counted reading forwards and backwards, the forms left at the end
    /// counting as a share of one; 0 when N is below mattrWindow.
    double mtldForwardFactors = 0;
    double mtldBackwardFactors = 0;

    friend bool operator==(const RichnessReport&, const RichnessReport&) = default;
};

/// Forms per window of the moving-average type/token ratio.
inline constexpr std::int64_t mattrWindow = 100;
/// The type/token ratio at which MTLD ends a factor.
inline constexpr double mtldThreshold = 0.72;

RichnessReport richnessReport(std::string_view text);
RichnessReport richnessReport(const TokenizedText& text);

/// One measure: its French name, formula and explanation (UTF-8), its JSON key and its value.
struct RichnessMeasure {
    std::string_view name;
    std::string_view formula;
    std::string_view explanation; ///< what it measures, and how the text's length weighs on it
    std::string_view jsonKey;
    std::optional<double> RichnessReport::*value;
};

/// The measures in the order they are listed.
inline constexpr std::array richnessMeasures = {
    RichnessMeasure{"Rapport formes différentes / formes (TTR)", "V / N",
                    "La part des formes différentes parmi toutes les formes du texte. Plus un texte est long, plus "
                    "ses mots reviennent : ce rapport baisse avec la longueur et ne compare que des textes de même "
                    "longueur.",
                    "ttr", &RichnessReport::ttr},
    RichnessMeasure{"Indice de Guiraud", "V / √N",
                    "Les formes différentes rapportées à la racine carrée du nombre de formes, pour atténuer l'effet "
                    "de la longueur du texte, qui pèse encore, mais moins que sur V / N.",
                    "guiraud", &RichnessReport::guiraud},
    RichnessMeasure{"Indice de Herdan", "ln V / ln N",
                    "Le rapport des logarithmes, qui suppose que le vocabulaire croît comme une puissance de la "
                    "longueur du texte ; proche de 1 quand presque chaque forme est nouvelle.",
                    "herdan", &RichnessReport::herdan},
    RichnessMeasure{"Caractéristique K de Yule", "10⁴ × (Σ i² V(i) − N) / N²",
                    "Mesure la répétition : plus les mêmes formes reviennent, plus K est grand. Elle dépend peu de la "
                    "longueur du texte. V(i) est le nombre de formes attestées exactement i fois.",
                    "yuleK", &RichnessReport::yuleK},
    RichnessMeasure{"Indice D de Simpson", "Σ V(i) × i × (i − 1) / (N × (N − 1))",
                    "La probabilité que deux formes tirées au hasard dans le texte soient la même : plus elle est "
                    "faible, plus le vocabulaire est varié. Elle dépend peu de la longueur du texte.",
                    "simpsonD", &RichnessReport::simpsonD},
    RichnessMeasure{"Statistique R d'Honoré", "100 × ln N / (1 − V1 / V)",
                    "Donne du poids aux hapax, les formes employées une seule fois : plus ils sont nombreux parmi les "
                    "formes différentes, plus R est grand. Elle grandit aussi avec la longueur du texte.",
                    "honoreR", &RichnessReport::honoreR},
    RichnessMeasure{"Part des hapax parmi les formes différentes", "V1 / V",
                    "La part des formes différentes que le texte n'emploie qu'une fois.", "hapaxPerForm",
                    &RichnessReport::hapaxPerForm},
    RichnessMeasure{"Part des hapax parmi les formes", "V1 / N",
                    "La part des formes du texte qui n'y sont employées qu'une fois ; elle baisse quand le texte "
                    "s'allonge.",
                    "hapaxPerToken", &RichnessReport::hapaxPerToken},
    RichnessMeasure{"TTR moyen sur fenêtre mobile (MATTR)", "moyenne des V / N de chaque suite de 100 formes",
                    "Le rapport V / N de chaque suite de 100 formes consécutives, en moyenne : comme il porte toujours "
                    "sur 100 formes, il ne dépend pas de la longueur du texte (Covington et McFall, 2010).",
                    "mattr", &RichnessReport::mattr},
    RichnessMeasure{"Longueur moyenne des segments lexicaux (MTLD)",
                    "N / nombre de segments où V / N reste au-dessus de 0,72, moyenne des deux sens de lecture",
                    "Le nombre moyen de formes qu'on lit avant que le rapport V / N ne tombe à 0,72 : plus le "
                    "vocabulaire est varié, plus les segments sont longs. Il dépend peu de la longueur du texte "
                    "(McCarthy et Jarvis, 2010).",
                    "mtld", &RichnessReport::mtld},
};

/// The captions of the three counts, in French (UTF-8).
inline constexpr std::string_view richnessTokenCountCaption = "Nombre de formes (N) :";
inline constexpr std::string_view richnessDistinctCountCaption = "Nombre de formes différentes (V) :";
inline constexpr std::string_view richnessHapaxCountCaption = "Nombre d'hapax (V1) :";

} // namespace quorvelle
