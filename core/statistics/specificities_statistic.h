// The specificities: the forms one text uses significantly more than the other.
#pragma once

#include "core/catalogue/figure.h"
#include "core/catalogue/row_figure.h"
#include "core/catalogue/statistic_register.h"
#include "core/catalogue/table_columns.h"
#include "core/explanations/keyness_explanations.h"
#include "core/lemmas/french_dictionary.h"
#include "core/lemmas/lemma_tokens.h"
#include "core/reports/specificity_report.h"
#include "core/statistics/score_cells.h"
#include "core/text/analysed_texts.h"

#include <array>

namespace quorvelle {

struct SpecificitiesStatistic {
    static constexpr const StatisticInfo& info = registered::specificities;
    static SpecificityReport report(const AnalysedTexts& texts)
    {
        return specificityReport(texts.firstTokens(Occurrences::Counted), texts.secondTokens());
    }
    /// The same for a unit: the lemmas need the French dictionary (else DictionaryError).
    static SpecificityReport report(const AnalysedTexts& texts, CountingUnit unit)
    {
        if (unit == CountingUnit::Forms)
            return report(texts);
        const FrenchDictionary& dictionary = *sharedFrenchDictionary();
        SpecificityReport lemmas =
            specificityReport(lemmaTokens(texts.first(), texts.firstTokens(), dictionary),
                              lemmaTokens(texts.second(), texts.secondTokens(Occurrences::Kept), dictionary));
        lemmas.ofLemmas = true;
        return lemmas;
    }
    static constexpr std::array columns = {
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
    static constexpr TableColumns<SpecificForm> table{info.title, columns};
    /// The sizes of the two texts.
    static constexpr std::array textSizes = {
        memberFigure<&SpecificityReport::n1>(
            {.id = "tokenCount1",
             .jsonKey = "n1",
             .caption = "Formes du texte n°1 :",
             .explain = [](const SpecificityReport& report,
                           const ExplanationNumbers& numbers) { return explainTextSize(1, report.n1, numbers); }}),
        memberFigure<&SpecificityReport::n2>(
            {.id = "tokenCount2",
             .jsonKey = "n2",
             .caption = "Formes du texte n°2 :",
             .explain = [](const SpecificityReport& report,
                           const ExplanationNumbers& numbers) { return explainTextSize(2, report.n2, numbers); }}),
    };
    /// The counts of specific forms at the report's threshold, which the JSON report leaves to
    /// its reader.
    static constexpr std::array specificFormCounts = {
        memberFigure<&SpecificityReport::overUsedIn1>(
            {.id = "overUsedIn1",
             .caption = "Formes spécifiques du texte n°1 :",
             .explain =
                 [](const SpecificityReport& report, const ExplanationNumbers& numbers) {
                     return explainSpecificFormCount(report, 1, numbers);
                 }}),
        memberFigure<&SpecificityReport::overUsedIn2>(
            {.id = "overUsedIn2",
             .caption = "Formes spécifiques du texte n°2 :",
             .explain =
                 [](const SpecificityReport& report, const ExplanationNumbers& numbers) {
                     return explainSpecificFormCount(report, 2, numbers);
                 }}),
    };
    static constexpr auto figures = joinedFigures(textSizes, specificFormCounts);
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

} // namespace quorvelle
