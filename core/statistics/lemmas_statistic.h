// The lemmas of a text and their categories, read with the French dictionary.
#pragma once

#include "core/catalogue/row_figure.h"
#include "core/catalogue/statistic_register.h"
#include "core/catalogue/table_columns.h"
#include "core/explanations/lemma_explanations.h"
#include "core/lemmas/french_dictionary.h"
#include "core/lemmas/lemma_report.h"
#include "core/text/analysed_texts.h"

#include <array>
#include <memory>
#include <utility>

namespace quorvelle {

/// Its report needs the dictionary: without it, the report throws DictionaryError.
struct LemmasStatistic {
    static constexpr const StatisticInfo& info = registered::lemmas;
    static LemmaReport report(const AnalysedTexts& texts) { return analysis(texts).report; }
    /// The report with the lemmatization it counts, which finds a lemma's occurrences.
    static LemmaAnalysis analysis(const AnalysedTexts& texts)
    {
        const TokenizedText& tokens = texts.firstTokens();
        auto lemmatized =
            std::make_shared<const LemmatizedText>(lemmatize(texts.first(), tokens, *sharedFrenchDictionary()));
        LemmaReport report = lemmaReport(tokens, *lemmatized);
        return {std::move(lemmatized), std::move(report)};
    }
    static constexpr std::array columns = {
        memberColumn<&LemmaRow::lemma>("Lemme"),
        Column<LemmaRow>{"Catégorie", CellKind::Text,
                         [](const LemmaRow& row, std::size_t) -> Cell { return categoryName(row.category); }},
        memberColumn<&LemmaRow::count>("Attestations"),
        memberColumn<&LemmaRow::formCount>("Formes"),
        memberColumn<&LemmaRow::ambiguous>("Ambiguës"),
        memberColumn<&LemmaRow::otherReadings>("Autres lectures"),
    };
    static constexpr TableColumns<LemmaRow> table{info.title, columns};

    static constexpr std::array categoryColumns = {
        Column<CategoryRow>{"Catégorie", CellKind::Text,
                            [](const CategoryRow& row, std::size_t) -> Cell { return categoryName(row.category); }},
        memberColumn<&CategoryRow::count>("Attestations"),
        memberColumn<&CategoryRow::distinct>("Lemmes"),
        memberColumn<&CategoryRow::share>("Part (%)"),
    };
    static constexpr TableColumns<CategoryRow> categoryTable{"Profil des catégories", categoryColumns};
    static constexpr std::array rowFigures = {RowFigure<LemmaReport, CategoryRow>{3, explainCategoryShare}};

    static constexpr std::array formColumns = {
        memberColumn<&FormCount::form>("Forme"),
        memberColumn<&FormCount::count>("Attestations"),
    };
    static constexpr TableColumns<FormCount> formTable{"Formes du lemme", formColumns};
};

} // namespace quorvelle
