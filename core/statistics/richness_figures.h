// The figures of the richness of a vocabulary: the counts N, V and V1, and the measures built on
// them, each with its name, formula and what it measures, as the window, quorvelle-cli and the
// explanations show them.
#pragma once

#include "core/catalogue/figure.h"
#include "core/explanations/richness_explanations.h"
#include "core/reports/richness_report.h"

#include <array>

namespace quorvelle {

/// N, V and V1.
inline constexpr std::array richnessCounts = {
    memberFigure<&RichnessReport::tokenCount>({.id = "tokenCount",
                                               .jsonKey = "tokenCount",
                                               .caption = "Nombre de formes (N) :",
                                               .formula = "N",
                                               .explain = explainRichnessTokenCount}),
    memberFigure<&RichnessReport::distinctCount>({.id = "distinctCount",
                                                  .jsonKey = "distinctCount",
                                                  .caption = "Nombre de formes différentes (V) :",
                                                  .formula = "V",
                                                  .explain = explainRichnessDistinctCount}),
    memberFigure<&RichnessReport::hapaxCount>({.id = "hapaxCount",
                                               .jsonKey = "hapaxCount",
                                               .caption = "Nombre d'hapax (V1) :",
                                               .formula = "V1",
                                               .explain = explainHapaxCount}),
};

/// The measures, in the order they are shown.
inline constexpr std::array richnessMeasures = {
    memberFigure<&RichnessReport::ttr>(
        {.id = "ttr",
         .jsonKey = "ttr",
         .caption = "Rapport formes différentes / formes (TTR)",
         .formula = "V / N",
         .meaning =
             "La part des formes différentes parmi toutes les formes du texte. Plus un texte est long, plus ses mots "
             "reviennent : ce rapport baisse avec la longueur et ne compare que des textes de même longueur.",
         .format = FigureFormat::Measure,
         .explain = explainTtr}),
    memberFigure<&RichnessReport::guiraud>(
        {.id = "guiraud",
         .jsonKey = "guiraud",
         .caption = "Indice de Guiraud",
         .formula = "V / √N",
         .meaning = "Les formes différentes rapportées à la racine carrée du nombre de formes, pour atténuer l'effet "
                    "de la longueur du texte, qui pèse encore, mais moins que sur V / N.",
         .format = FigureFormat::Measure,
         .explain = explainGuiraud}),
    memberFigure<&RichnessReport::herdan>(
        {.id = "herdan",
         .jsonKey = "herdan",
         .caption = "Indice de Herdan",
         .formula = "ln V / ln N",
         .meaning = "Le rapport des logarithmes, qui suppose que le vocabulaire croît comme une puissance de la "
                    "longueur du texte ; proche de 1 quand presque chaque forme est nouvelle.",
         .format = FigureFormat::Measure,
         .explain = explainHerdan}),
    memberFigure<&RichnessReport::yuleK>(
        {.id = "yuleK",
         .jsonKey = "yuleK",
         .caption = "Caractéristique K de Yule",
         .formula = "10⁴ × (Σ i² V(i) − N) / N²",
         .meaning = "Mesure la répétition : plus les mêmes formes reviennent, plus K est grand. Elle dépend peu de la "
                    "longueur du texte. V(i) est le nombre de formes attestées exactement i fois.",
         .format = FigureFormat::Measure,
         .explain = explainYuleK}),
    memberFigure<&RichnessReport::simpsonD>(
        {.id = "simpsonD",
         .jsonKey = "simpsonD",
         .caption = "Indice D de Simpson",
         .formula = "Σ V(i) × i × (i − 1) / (N × (N − 1))",
         .meaning = "La probabilité que deux formes tirées au hasard dans le texte soient la même : plus elle est "
                    "faible, plus le vocabulaire est varié. Elle dépend peu de la longueur du texte.",
         .format = FigureFormat::Measure,
         .explain = explainSimpsonD}),
    memberFigure<&RichnessReport::honoreR>(
        {.id = "honoreR",
         .jsonKey = "honoreR",
         .caption = "Statistique R d'Honoré",
         .formula = "100 × ln N / (1 − V1 / V)",
         .meaning = "Donne du poids aux hapax, les formes employées une seule fois : plus ils sont nombreux parmi les "
                    "formes différentes, plus R est grand. Elle grandit aussi avec la longueur du texte.",
         .format = FigureFormat::Measure,
         .explain = explainHonoreR}),
    memberFigure<&RichnessReport::hapaxPerForm>(
        {.id = "hapaxPerForm",
         .jsonKey = "hapaxPerForm",
         .caption = "Part des hapax parmi les formes différentes",
         .formula = "V1 / V",
         .meaning = "La part des formes différentes que le texte n'emploie qu'une fois.",
         .format = FigureFormat::Measure,
         .explain = explainHapaxPerForm}),
    memberFigure<&RichnessReport::hapaxPerToken>(
        {.id = "hapaxPerToken",
         .jsonKey = "hapaxPerToken",
         .caption = "Part des hapax parmi les formes",
         .formula = "V1 / N",
         .meaning =
             "La part des formes du texte qui n'y sont employées qu'une fois ; elle baisse quand le texte s'allonge.",
         .format = FigureFormat::Measure,
         .explain = explainHapaxPerToken}),
    memberFigure<&RichnessReport::mattr>(
        {.id = "mattr",
         .jsonKey = "mattr",
         .caption = "TTR moyen sur fenêtre mobile (MATTR)",
         .formula = "moyenne des V / N de chaque suite de 100 formes",
         .meaning = "Le rapport V / N de chaque suite de 100 formes consécutives, en moyenne : comme il porte toujours "
                    "sur 100 formes, il ne dépend pas de la longueur du texte (Covington et McFall, 2010).",
         .format = FigureFormat::Measure,
         .explain = explainMattr}),
    memberFigure<&RichnessReport::mtld>(
        {.id = "mtld",
         .jsonKey = "mtld",
         .caption = "Longueur moyenne des segments lexicaux (MTLD)",
         .formula = "N / nombre de segments où V / N reste au-dessus de 0,72, moyenne des deux sens de lecture",
         .meaning =
             "Le nombre moyen de formes qu'on lit avant que le rapport V / N ne tombe à 0,72 : plus le vocabulaire est "
             "varié, plus les segments sont longs. Il dépend peu de la longueur du texte (McCarthy et Jarvis, 2010).",
         .format = FigureFormat::Measure,
         .explain = explainMtld}),
};

} // namespace quorvelle
