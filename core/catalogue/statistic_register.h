// The register of statistics: what each statistic is called and where the program offers it.
// It names every statistic once, in the order of the menus, of quorvelle-cli's usage and of
// `all`, and includes nothing else: what a statistic computes and shows is its descriptor's
// (core/statistics), which refers to its identity here.
#pragma once

#include <array>
#include <string_view>

namespace quorvelle {

/// A submenu of the main window's "&Statistiques".
struct MenuGroup {
    std::string_view name = {};    ///< the code's name for it
    std::string_view caption = {}; ///< French, UTF-8, with its access key
};

/// What every statistic says of itself; texts in French, UTF-8.
struct StatisticInfo {
    std::string_view name = {};        ///< quorvelle-cli's name for it
    std::string_view title = {};       ///< the heading of its window and of its French report
    std::string_view description = {}; ///< what quorvelle-cli's usage says it gives
    MenuGroup menuGroup = {};          ///< the submenu of "&Statistiques" that holds its item, if any
    std::string_view menuItem = {};    ///< its item in "&Statistiques", or empty when it has none
    bool needsSecondText = false;
    /// Whether quorvelle-cli's `all` gives it: not a listing that can grow larger than the
    /// text itself.
    bool inAll = true;
};

/// What a command that studies one form of the text says of itself; texts in French, UTF-8.
struct FormCommandInfo {
    std::string_view name = {};        ///< quorvelle-cli's name for it
    std::string_view withoutForm = {}; ///< what quorvelle-cli says when the command line lacks its file and form
    bool oneFormOnly = false;          ///< whether the form may not be several forms that follow each other
};

/// What a command that studies a corpus of parts says of itself; texts in French, UTF-8.
struct CorpusCommandInfo {
    std::string_view name = {};        ///< quorvelle-cli's name for it
    std::string_view title = {};       ///< the heading of its window and of its French report
    std::string_view withoutFiles = {}; ///< what quorvelle-cli says when the command line lacks them
};

namespace registered {

inline constexpr MenuGroup compositionMenu{"compositionMenu", "&Composition des formes"};

/// The numbers of characters and of words (the main window's "&Outils").
inline constexpr StatisticInfo counts{
    .name = "counts", .title = "Nombre de caractères et de mots", .description = "nombre de caractères et de mots"};
inline constexpr StatisticInfo vocabulary{.name = "vocabulary",
                                          .title = "Liste du vocabulaire",
                                          .description = "liste du vocabulaire",
                                          .menuItem = "&Liste du vocabulaire"};
inline constexpr StatisticInfo lengths{.name = "lengths",
                                       .title = "Statistiques formes / caractères (Rangs)",
                                       .description = "formes par nombre de caractères",
                                       .menuGroup = compositionMenu,
                                       .menuItem = "&Formes / caractères"};
inline constexpr StatisticInfo letters{.name = "letters",
                                       .title = "Statistiques formes / lettres de l'alphabet",
                                       .description = "formes par lettre de l'alphabet",
                                       .menuGroup = compositionMenu,
                                       .menuItem = "Formes / Lettres de l'&alphabet"};
inline constexpr StatisticInfo startEndLetters{.name = "edges",
                                               .title = " Lettres de l'alphabet- début/fin de mot",
                                               .description = "lettres en début et en fin de mot",
                                               .menuGroup = compositionMenu,
                                               .menuItem = "&Lettres de l'alphabet - Début/fin de mot"};
inline constexpr StatisticInfo doubledLetters{.name = "doubles",
                                              .title = "Statistiques Lettres redoublées",
                                              .description = "lettres redoublées",
                                              .menuGroup = compositionMenu,
                                              .menuItem = "Lettres re&doublées"};
inline constexpr StatisticInfo letterPairs{.name = "pairs",
                                           .title = "Statistiques Récurrences phoniques",
                                           .description = "récurrences phoniques (paires de lettres)",
                                           .menuGroup = compositionMenu,
                                           .menuItem = "&Récurrences phoniques"};
inline constexpr StatisticInfo frequencies{.name = "frequencies",
                                           .title = "Fréquences d'attestation - Calcul des écarts",
                                           .description = "fréquences d'attestation et écarts",
                                           .menuGroup = {"frequenciesMenu", "&Fréquences d'attestation des formes"},
                                           .menuItem = "&Calcul des écarts"};
/// The frequency window's chart menu shows it: it has no item of its own.
inline constexpr StatisticInfo zipf{.name = "zipf",
                                    .title = "Loi de Zipf",
                                    .description = "loi de Zipf : les formes par rang, la droite log f / log r"};
inline constexpr StatisticInfo cooccurrences{.name = "cooccurrences",
                                             .title = "Statistiques  -  Les cooccurrences",
                                             .description = "cooccurrences",
                                             .menuItem = "Les c&ooccurrences"};
inline constexpr StatisticInfo segments{.name = "segments",
                                        .title = "Segments répétés",
                                        .description = "segments répétés (suites de formes d'une phrase attestées "
                                                       "plusieurs fois)",
                                        .menuItem = "Les &segments répétés",
                                        .inAll = false};
inline constexpr StatisticInfo sentenceLengths{.name = "sentences",
                                               .title = "Statistiques  -  Les longueurs de phrases",
                                               .description = "longueurs de phrases",
                                               .menuItem = "Les longueurs de &phrases"};
inline constexpr StatisticInfo enrichment{.name = "enrichment",
                                          .title = "L'enrichissement du vocabulaire",
                                          .description = "enrichissement du vocabulaire par tranches de 100 formes",
                                          .menuItem = "L'&enrichissement du vocabulaire"};
inline constexpr StatisticInfo comparison{.name = "compare",
                                          .title = "La comparaison de vocabulaires",
                                          .description = "comparaison des vocabulaires de FICHIER et FICHIER2",
                                          .menuItem = "La co&mparaison de vocabulaires",
                                          .needsSecondText = true};
inline constexpr StatisticInfo specificities{
    .name = "specificities",
    .title = "Spécificités",
    .description = "formes spécifiques de FICHIER et FICHIER2 (Lafon, Dunning, log ratio)",
    .needsSecondText = true};
inline constexpr StatisticInfo richness{.name = "richness",
                                        .title = "Richesse du vocabulaire",
                                        .description = "richesse du vocabulaire (TTR, Guiraud, Yule, MATTR, MTLD...)",
                                        .menuItem = "&Richesse du vocabulaire"};
inline constexpr StatisticInfo lemmas{.name = "lemmas",
                                      .title = "Lemmes et catégories",
                                      .description = "lemmes et catégories (dictionnaire hunspell-fr-comprehensive)",
                                      .menuItem = "Lemmes et caté&gories",
                                      .inAll = false};

/// The commands that study one form: its occurrences in context, its dispersion over the
/// parts of the text, the forms around it.
inline constexpr FormCommandInfo concordance{
    .name = "concordance",
    .withoutForm = "la concordance demande un fichier et une forme : concordance FICHIER FORME."};
inline constexpr FormCommandInfo dispersion{
    .name = "dispersion",
    .withoutForm = "la répartition demande un fichier et une forme : dispersion FICHIER FORME."};
inline constexpr FormCommandInfo collocates{
    .name = "collocates",
    .withoutForm = "les cooccurrents demandent un fichier et une forme : collocates FICHIER FORME.",
    .oneFormOnly = true};

/// The commands that study a corpus cut into parts: the parts, their specific forms and the
/// correspondence analysis; the progression of forms through the parts.
inline constexpr CorpusCommandInfo corpus{
    .name = "corpus",
    .title = "Le corpus et ses parties",
    .withoutFiles = "le corpus demande ses fichiers : corpus FICHIER... (un fichier à lignes étoilées, "
                    "ou un fichier par partie)."};
inline constexpr CorpusCommandInfo progression{
    .name = "progression",
    .title = "Progression d'une forme",
    .withoutFiles = "la progression demande les fichiers du corpus puis des formes : progression FICHIER... FORME..."};

} // namespace registered

/// Every statistic, in the order of the menus, of quorvelle-cli's usage and of `all`.
inline constexpr std::array registeredStatistics = {
    &registered::counts,          &registered::vocabulary,    &registered::lengths,
    &registered::letters,         &registered::startEndLetters, &registered::doubledLetters,
    &registered::letterPairs,     &registered::frequencies,   &registered::zipf,
    &registered::cooccurrences,   &registered::segments,      &registered::sentenceLengths,
    &registered::enrichment,      &registered::comparison,    &registered::specificities,
    &registered::richness,        &registered::lemmas,
};

/// Every command that studies a corpus, in the order of quorvelle-cli's usage.
inline constexpr std::array registeredCorpusCommands = {&registered::corpus, &registered::progression};

/// Every command that studies one form, in the order of quorvelle-cli's usage.
inline constexpr std::array registeredFormCommands = {&registered::concordance, &registered::dispersion,
                                                      &registered::collocates};

} // namespace quorvelle
