// The comparison of the vocabularies of two texts: the forms they share and those proper to each.
#pragma once

#include "core/catalogue/statistic_register.h"
#include "core/catalogue/table_columns.h"
#include "core/reports/vocabulary_comparison.h"
#include "core/statistics/comparison_figures.h"
#include "core/text/analysed_texts.h"

#include <array>
#include <cstddef>
#include <vector>

namespace quorvelle {

struct ComparisonStatistic {
    static constexpr const StatisticInfo& info = registered::comparison;
    static VocabularyComparison report(const AnalysedTexts& texts)
    {
        return vocabularyComparison(texts.firstTokens(Occurrences::Counted), texts.secondTokens());
    }
    /// Every form of either text, with its attestations in each.
    static constexpr std::array columns = {
        memberColumn<&CommonForm::form>("Forme"),
        Column<CommonForm>{"Texte n°1", CellKind::Count,
                           [](const CommonForm& form, std::size_t) -> Cell { return form.counts[0]; }},
        Column<CommonForm>{"Texte n°2", CellKind::Count,
                           [](const CommonForm& form, std::size_t) -> Cell { return form.counts[1]; }},
    };
    static constexpr TableColumns<CommonForm> table{"Formes des deux textes", columns};
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

} // namespace quorvelle
