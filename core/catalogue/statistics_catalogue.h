// The catalogue of statistics: each described once, by its command-line name, its French
// title, where the main window's "&Statistiques" menu offers it, how its report is computed
// and the columns of its main table. The menus, quorvelle-cli, the exports, the tests and the
// benchmarks read these descriptions instead of listing the statistics themselves.
//
// A statistic's totals and the figures of its rows say how they are computed (totals,
// rowFigures): the windows' "Comment ce nombre est-il calculé ?" and quorvelle-cli --explain
// read them.
//
// Adding a statistic: its report (a pure function of the texts), an entry here and in
// Statistics below, its window (ui/stats) and the one line that opens it (ui/main).
#pragma once

#include "core/catalogue/comparison_figures.h"
#include "core/catalogue/explained_figures.h"
#include "core/catalogue/richness_figures.h"
#include "core/catalogue/table_columns.h"
#include "core/catalogue/total_figures.h"
#include "core/explanations/collocate_explanations.h"
#include "core/explanations/comparison_explanations.h"
#include "core/explanations/composition_explanations.h"
#include "core/explanations/dispersion_explanations.h"
#include "core/explanations/enrichment_explanations.h"
#include "core/explanations/keyness_explanations.h"
#include "core/explanations/richness_explanations.h"
#include "core/explanations/sentence_explanations.h"
#include "core/explanations/zipf_explanations.h"
#include "core/reports/character_counts.h"
#include "core/reports/collocate_report.h"
#include "core/reports/concordance.h"
#include "core/reports/cooccurrence_report.h"
#include "core/reports/edge_letter_report.h"
#include "core/reports/enrichment_report.h"
#include "core/reports/frequency_report.h"
#include "core/reports/key_distribution.h"
#include "core/reports/length_report.h"
#include "core/reports/repeated_segments.h"
#include "core/reports/richness_report.h"
#include "core/reports/rounding.h"
#include "core/reports/sentence_report.h"
#include "core/reports/specificity_report.h"
#include "core/reports/vocabulary_comparison.h"
#include "core/reports/vocabulary_report.h"
#include "core/reports/zipf_report.h"
#include "core/text/analysed_texts.h"

#include <array>
#include <string_view>
#include <tuple>
#include <vector>

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

// The columns of the statistics' tables, as their windows head them.
inline constexpr std::array vocabularyColumns = {
    memberColumn<&FormCount::form>("Formes"),
    memberColumn<&FormCount::count>("Nombre d'attestations"),
};
inline constexpr std::array lengthColumns = {
    memberColumn<&LengthRow::formCount>("Nombre de forme(s)"),
    memberColumn<&LengthRow::length>("Nombre caractères par forme"),
    memberColumn<&LengthRow::percentage>("%"),
};
inline constexpr std::array letterColumns = {
    memberColumn<&OccurrenceRow::occurrences>("Nombre d' attestation(s)"),
    memberColumn<&OccurrenceRow::formCount>("Nombre de forme(s)"),
};
inline constexpr std::array doubledLetterColumns = {
    memberColumn<&OccurrenceRow::occurrences>("Nombre d' attestations"),
    memberColumn<&OccurrenceRow::formCount>("Nombres de formes"),
};
inline constexpr std::array edgeLetterColumns = {
    memberColumn<&EdgeLetterRow::letter>("Lettres"),
    memberColumn<&EdgeLetterRow::startCount>("Début"),
    memberColumn<&EdgeLetterRow::endCount>("Fin"),
};
inline constexpr std::array frequencyColumns = {
    memberColumn<&FrequencyRow::frequency>("Fréq. d' attestation réelle"),
    memberColumn<&FrequencyRow::formCount>("Nombre de forme(s)"),
    memberColumn<&FrequencyRow::deviation>("Ecarts positifs ou négatifs"),
};
inline constexpr std::array cooccurrenceColumns = {
    memberColumn<&CooccurrenceRow::count>("Nombre d'attestations"),
    memberColumn<&CooccurrenceRow::pairCount>("Nombre de cooccurrences différentes"),
};
inline constexpr std::array segmentColumns = {
    memberColumn<&RepeatedSegment::written>("Segment"),
    memberColumn<&RepeatedSegment::frequency>("Fréquence"),
    memberColumn<&RepeatedSegment::length>("Longueur"),
};
/// A sentence's number is its place in the text.
inline constexpr std::array sentenceColumns = {
    Column<SentenceRecord>{
        "N° phrase", CellKind::Count,
        [](const SentenceRecord&, std::size_t place) -> Cell { return static_cast<std::int64_t>(place + 1); }},
    Column<SentenceRecord>{"Ponctuation", CellKind::Text,
                           [](const SentenceRecord& sentence, std::size_t) -> Cell { return sentence.terminator(); }},
    memberColumn<&SentenceRecord::formCount>("Nombre de formes"),
};
inline constexpr std::array enrichmentColumns = {
    memberColumn<&EnrichmentSlice::number>("Tranche(s)*"),
    memberColumn<&EnrichmentSlice::newFormCount>("Nombre de formes nouvelles"),
};
/// Every form of either text, with its attestations in each.
inline constexpr std::array comparisonColumns = {
    memberColumn<&CommonForm::form>("Forme"),
    Column<CommonForm>{"Texte n°1", CellKind::Count,
                       [](const CommonForm& form, std::size_t) -> Cell { return form.counts[0]; }},
    Column<CommonForm>{"Texte n°2", CellKind::Count,
                       [](const CommonForm& form, std::size_t) -> Cell { return form.counts[1]; }},
};
/// Scores and relative frequencies as tables show them: to two decimals, nothing where a text
/// without forms leaves them undefined.
inline Cell shownScore(std::optional<double> value)
{
    return value ? Cell(roundHalfEven(*value, 2)) : Cell(std::string_view());
}
inline constexpr std::array specificityColumns = {
    memberColumn<&SpecificForm::form>("Forme"),
    memberColumn<&SpecificForm::f1>("Texte n°1"),
    memberColumn<&SpecificForm::f2>("Texte n°2"),
    Column<SpecificForm>{"Fréquence n°1 (pour 10 000)", CellKind::Number,
                         [](const SpecificForm& form, std::size_t) { return shownScore(form.frequency1); }},
    Column<SpecificForm>{"Fréquence n°2 (pour 10 000)", CellKind::Number,
                         [](const SpecificForm& form, std::size_t) { return shownScore(form.frequency2); }},
    Column<SpecificForm>{"Spécificité", CellKind::Number,
                         [](const SpecificForm& form, std::size_t) { return shownScore(form.specificity); }},
    Column<SpecificForm>{"G²", CellKind::Number,
                         [](const SpecificForm& form, std::size_t) { return shownScore(form.g2); }},
    Column<SpecificForm>{"Log ratio", CellKind::Number,
                         [](const SpecificForm& form, std::size_t) { return shownScore(form.logRatio); }},
};
/// The forms around a pivot form.
inline constexpr std::array collocateColumns = {
    memberColumn<&Collocate::form>("Forme"),
    memberColumn<&Collocate::count>("Cooccurrences"),
    memberColumn<&Collocate::attestations>("Attestations"),
    Column<Collocate>{"Score", CellKind::Number,
                      [](const Collocate& collocate, std::size_t) { return shownScore(collocate.score); }},
};
/// How each collocate's score is computed.
inline constexpr std::array collocateRowFigures = {RowFigure<CollocateReport, Collocate>{3, explainCollocateScore}};
/// The pivot's attestations and the places around it, as the JSON names them.
inline constexpr std::array collocateTotals = {
    TotalFigure<CollocateReport>{"pivotAttestations", explainPivotAttestations},
    TotalFigure<CollocateReport>{"spanForms", explainSpanForms}};
/// The parts of a dispersion, whose rows dispersionChart writes: the part's number, its forms
/// ("first–last", numbered from 1) and the form's attestations in it.
inline constexpr std::array<std::string_view, 3> dispersionPartHeadings = {"Partie", "Formes n°", "Attestations"};
/// The two measures of a dispersion, by their names in quorvelle-cli's JSON.
inline constexpr std::array dispersionMeasures = {TotalFigure<DispersionReport>{"juillandD", explainJuillandD},
                                                  TotalFigure<DispersionReport>{"griesDP", explainGriesDP}};
/// The forms by rank of Zipf's law.
inline constexpr std::array zipfColumns = {
    memberColumn<&ZipfRow::rank>("Rang"),
    memberColumn<&ZipfRow::form>("Forme"),
    memberColumn<&ZipfRow::attestations>("Nombre d'attestations"),
};
inline constexpr std::array concordanceColumns = {
    memberColumn<&ConcordanceLine::line>("Ligne"),
    Column<ConcordanceLine>{
        "Contexte gauche", CellKind::LeadingText,
        [](const ConcordanceLine& line, std::size_t) -> Cell { return std::string_view(line.left); }},
    memberColumn<&ConcordanceLine::form>("Forme"),
    memberColumn<&ConcordanceLine::right>("Contexte droit"),
};

/// The numbers of characters and of words (the main window's "&Outils").
struct CountsStatistic {
    static constexpr StatisticInfo info{
        .name = "counts", .title = "Nombre de caractères et de mots", .description = "nombre de caractères et de mots"};
    static CharacterCounts report(const AnalysedTexts& texts)
    {
        return countCharacters(texts.first(), texts.letters());
    }
};

struct VocabularyStatistic {
    static constexpr StatisticInfo info{.name = "vocabulary",
                                        .title = "Liste du vocabulaire",
                                        .description = "liste du vocabulaire",
                                        .menuItem = "&Liste du vocabulaire"};
    static VocabularyReport report(const AnalysedTexts& texts)
    {
        return vocabularyReport(texts.firstTokens(Occurrences::Counted));
    }
    static constexpr TableColumns<FormCount> table{info.title, vocabularyColumns};
    static constexpr const auto& figures = vocabularyFigures<VocabularyReport>;
};

inline constexpr MenuGroup compositionMenu{"compositionMenu", "&Composition des formes"};

struct LengthsStatistic {
    static constexpr StatisticInfo info{.name = "lengths",
                                        .title = "Statistiques formes / caractères (Rangs)",
                                        .description = "formes par nombre de caractères",
                                        .menuGroup = compositionMenu,
                                        .menuItem = "&Formes / caractères"};
    static LengthReport report(const AnalysedTexts& texts)
    {
        return lengthReport(texts.firstTokens(Occurrences::Counted));
    }
    static constexpr TableColumns<LengthRow> table{info.title, lengthColumns};
    /// The share of the forms of each length.
    static constexpr std::array rowFigures = {RowFigure<LengthReport, LengthRow>{2, explainLengthShare}};
};

struct LettersStatistic {
    static constexpr StatisticInfo info{.name = "letters",
                                        .title = "Statistiques formes / lettres de l'alphabet",
                                        .description = "formes par lettre de l'alphabet",
                                        .menuGroup = compositionMenu,
                                        .menuItem = "Formes / Lettres de l'&alphabet"};
    static LetterReport report(const AnalysedTexts& texts)
    {
        return letterReport(texts.firstTokens(Occurrences::Counted));
    }
    static constexpr TableColumns<OccurrenceRow> table{info.title, letterColumns};
};

struct StartEndLettersStatistic {
    static constexpr StatisticInfo info{.name = "edges",
                                        .title = " Lettres de l'alphabet- début/fin de mot",
                                        .description = "lettres en début et en fin de mot",
                                        .menuGroup = compositionMenu,
                                        .menuItem = "&Lettres de l'alphabet - Début/fin de mot"};
    static EdgeLetterReport report(const AnalysedTexts& texts)
    {
        return edgeLetterReport(texts.firstTokens(Occurrences::Counted));
    }
    static constexpr TableColumns<EdgeLetterRow> table{"Lettres de l'alphabet - début/fin de mot", edgeLetterColumns};
};

struct DoubledLettersStatistic {
    static constexpr StatisticInfo info{.name = "doubles",
                                        .title = "Statistiques Lettres redoublées",
                                        .description = "lettres redoublées",
                                        .menuGroup = compositionMenu,
                                        .menuItem = "Lettres re&doublées"};
    static DoubledLetterReport report(const AnalysedTexts& texts)
    {
        return doubledLetterReport(texts.firstTokens(Occurrences::Counted));
    }
    static constexpr TableColumns<OccurrenceRow> table{info.title, doubledLetterColumns};
};

struct LetterPairsStatistic {
    static constexpr StatisticInfo info{.name = "pairs",
                                        .title = "Statistiques Récurrences phoniques",
                                        .description = "récurrences phoniques (paires de lettres)",
                                        .menuGroup = compositionMenu,
                                        .menuItem = "&Récurrences phoniques"};
    static LetterPairReport report(const AnalysedTexts& texts)
    {
        return letterPairReport(texts.firstTokens(Occurrences::Counted));
    }
    static constexpr TableColumns<OccurrenceRow> table{info.title, letterColumns};
};

struct FrequenciesStatistic {
    static constexpr StatisticInfo info{.name = "frequencies",
                                        .title = "Fréquences d'attestation - Calcul des écarts",
                                        .description = "fréquences d'attestation et écarts",
                                        .menuGroup = {"frequenciesMenu", "&Fréquences d'attestation des formes"},
                                        .menuItem = "&Calcul des écarts"};
    static FrequencyReport report(const AnalysedTexts& texts)
    {
        return frequencyReport(texts.firstTokens(Occurrences::Counted));
    }
    static constexpr TableColumns<FrequencyRow> table{info.title, frequencyColumns};
    static constexpr const auto& figures = vocabularyFigures<FrequencyReport>;
    /// The deviation of each frequency from the mean.
    static constexpr std::array rowFigures = {RowFigure<FrequencyReport, FrequencyRow>{
        2, [](const FrequencyReport& report, const FrequencyRow& row, const ExplanationNumbers& numbers) {
            return explainDeviation(row.frequency, row.deviation, report.meanFrequency, numbers);
        }}};
};

/// Zipf's law: the forms by rank and the line log10 f = a + b · log10 r. The frequency
/// window's chart menu shows it: it has no item of its own.
struct ZipfStatistic {
    static constexpr StatisticInfo info{.name = "zipf",
                                        .title = "Loi de Zipf",
                                        .description = "loi de Zipf : les formes par rang, la droite log f / log r"};
    static ZipfReport report(const AnalysedTexts& texts) { return zipfReport(texts.firstTokens(Occurrences::Counted)); }
    static constexpr TableColumns<ZipfRow> table{"Formes par rang", zipfColumns};
    /// The line's a, b and R².
    static constexpr std::array totals = {TotalFigure<ZipfReport>{"intercept", explainZipfIntercept},
                                          TotalFigure<ZipfReport>{"slope", explainZipfSlope},
                                          TotalFigure<ZipfReport>{"determination", explainZipfDetermination}};
};

struct CooccurrencesStatistic {
    static constexpr StatisticInfo info{.name = "cooccurrences",
                                        .title = "Statistiques  -  Les cooccurrences",
                                        .description = "cooccurrences",
                                        .menuItem = "Les c&ooccurrences"};
    static CooccurrenceReport report(const AnalysedTexts& texts) { return cooccurrenceReport(texts.firstTokens()); }
    static constexpr TableColumns<CooccurrenceRow> table{info.title, cooccurrenceColumns};
};

/// Runs of consecutive forms within a sentence attested more than once. Its report depends on
/// options; without them, the segments of 2 to 8 forms attested twice or more.
struct SegmentsStatistic {
    static constexpr StatisticInfo info{.name = "segments",
                                        .title = "Segments répétés",
                                        .description = "segments répétés (suites de formes d'une phrase attestées "
                                                       "plusieurs fois)",
                                        .menuItem = "Les &segments répétés",
                                        .inAll = false};
    static RepeatedSegmentsReport report(const AnalysedTexts& texts, const SegmentOptions& options = {})
    {
        return repeatedSegments(texts.first(), texts.firstTokens(), options);
    }
    static constexpr TableColumns<RepeatedSegment> table{info.title, segmentColumns};
};

struct SentenceLengthsStatistic {
    static constexpr StatisticInfo info{.name = "sentences",
                                        .title = "Statistiques  -  Les longueurs de phrases",
                                        .description = "longueurs de phrases",
                                        .menuItem = "Les longueurs de &phrases"};
    static SentenceListing report(const AnalysedTexts& texts) { return {texts.first(), texts.letters()}; }
    static constexpr TableColumns<SentenceRecord> table{info.title, sentenceColumns};
    static constexpr const auto& figures = sentenceFigures;
};

struct EnrichmentStatistic {
    static constexpr StatisticInfo info{.name = "enrichment",
                                        .title = "L'enrichissement du vocabulaire",
                                        .description = "enrichissement du vocabulaire par tranches de 100 formes",
                                        .menuItem = "L'&enrichissement du vocabulaire"};
    static EnrichmentReport report(const AnalysedTexts& texts) { return enrichmentReport(texts.firstTokens()); }
    static constexpr TableColumns<EnrichmentSlice> table{info.title, enrichmentColumns};
    static constexpr std::array figures = {
        memberFigure<&EnrichmentReport::tokenCount>({.id = "formCount",
                                                     .jsonKey = "tokenCount",
                                                     .caption = french::formCountCaption,
                                                     .explain = explainEnrichmentTokenCount})};
};

struct ComparisonStatistic {
    static constexpr StatisticInfo info{.name = "compare",
                                        .title = "La comparaison de vocabulaires",
                                        .description = "comparaison des vocabulaires de FICHIER et FICHIER2",
                                        .menuItem = "La co&mparaison de vocabulaires",
                                        .needsSecondText = true};
    static VocabularyComparison report(const AnalysedTexts& texts)
    {
        return vocabularyComparison(texts.firstTokens(Occurrences::Counted), texts.secondTokens());
    }
    static constexpr TableColumns<CommonForm> table{"Formes des deux textes", comparisonColumns};
    /// How C and each figure of each text after it are computed, in the order of the JSON report.
    static std::vector<FigureExplanation> explanations(const VocabularyComparison& comparison,
                                                       const ExplanationNumbers& numbers)
    {
        std::vector<FigureExplanation> explained{commonCountFigure.explain(comparison, numbers)};
        for (const ComparedFigure* figure : comparedFiguresByKind)
            for (std::size_t side = 0; side < comparison.texts.size(); ++side)
                explained.push_back(figure->explain(comparison, side, numbers));
        return explained;
    }
};

/// The forms one text uses significantly more than the other.
struct SpecificitiesStatistic {
    static constexpr StatisticInfo info{.name = "specificities",
                                        .title = "Spécificités",
                                        .description =
                                            "formes spécifiques de FICHIER et FICHIER2 (Lafon, Dunning, log ratio)",
                                        .needsSecondText = true};
    static SpecificityReport report(const AnalysedTexts& texts)
    {
        return specificityReport(texts.firstTokens(Occurrences::Counted), texts.secondTokens());
    }
    static constexpr TableColumns<SpecificForm> table{info.title, specificityColumns};
    /// The sizes of the two texts, and the counts of specific forms at the report's threshold,
    /// which the JSON report leaves to its reader.
    static constexpr std::array totals = {
        TotalFigure<SpecificityReport>{"n1",
                                       [](const SpecificityReport& report, const ExplanationNumbers& numbers) {
                                           return explainTextSize(1, report.n1, numbers);
                                       }},
        TotalFigure<SpecificityReport>{"n2",
                                       [](const SpecificityReport& report, const ExplanationNumbers& numbers) {
                                           return explainTextSize(2, report.n2, numbers);
                                       }},
        TotalFigure<SpecificityReport>{{},
                                       [](const SpecificityReport& report, const ExplanationNumbers& numbers) {
                                           return explainSpecificFormCount(report, 1, numbers);
                                       }},
        TotalFigure<SpecificityReport>{{},
                                       [](const SpecificityReport& report, const ExplanationNumbers& numbers) {
                                           return explainSpecificFormCount(report, 2, numbers);
                                       }},
    };
    /// Each form's frequencies per 10 000, specificity, G² and log ratio.
    static constexpr std::array rowFigures = {
        RowFigure<SpecificityReport, SpecificForm>{
            3,
            [](const SpecificityReport& report, const SpecificForm& form, const ExplanationNumbers& numbers) {
                return explainFrequencyPer10000(report, form, 1, numbers);
            }},
        RowFigure<SpecificityReport, SpecificForm>{
            4,
            [](const SpecificityReport& report, const SpecificForm& form, const ExplanationNumbers& numbers) {
                return explainFrequencyPer10000(report, form, 2, numbers);
            }},
        RowFigure<SpecificityReport, SpecificForm>{5, explainSpecificity},
        RowFigure<SpecificityReport, SpecificForm>{6, explainLogLikelihood},
        RowFigure<SpecificityReport, SpecificForm>{7, explainLogRatio},
    };
};

struct RichnessStatistic {
    static constexpr StatisticInfo info{.name = "richness",
                                        .title = "Richesse du vocabulaire",
                                        .description = "richesse du vocabulaire (TTR, Guiraud, Yule, MATTR, MTLD...)",
                                        .menuItem = "&Richesse du vocabulaire"};
    static RichnessReport report(const AnalysedTexts& texts) { return richnessReport(texts.firstTokens()); }
    static constexpr const auto& counts = richnessCounts;
    static constexpr const auto& measures = richnessMeasures;
    /// N, V and V1, then the measures.
    static constexpr auto figures = joinedFigures(counts, measures);
};

/// Every statistic, in the order of the menus, of quorvelle-cli's usage and of `all`.
using Statistics =
    std::tuple<CountsStatistic, VocabularyStatistic, LengthsStatistic, LettersStatistic, StartEndLettersStatistic,
               DoubledLettersStatistic, LetterPairsStatistic, FrequenciesStatistic, ZipfStatistic,
               CooccurrencesStatistic, SegmentsStatistic, SentenceLengthsStatistic, EnrichmentStatistic,
               ComparisonStatistic, SpecificitiesStatistic, RichnessStatistic>;

/// Calls visit with a value of each statistic's type, in the catalogue's order.
template <class Visit>
constexpr void forEachStatistic(Visit&& visit)
{
    std::apply([&visit](auto... statistic) { (visit(statistic), ...); }, Statistics{});
}

} // namespace quorvelle
