// The enrichment of the vocabulary: the new forms of each slice of the text.
#pragma once

#include "core/catalogue/figure.h"
#include "core/catalogue/statistic_register.h"
#include "core/catalogue/table_columns.h"
#include "core/explanations/enrichment_explanations.h"
#include "core/presentation/french_messages.h"
#include "core/reports/enrichment_report.h"
#include "core/text/analysed_texts.h"

#include <array>

namespace quorvelle {

struct EnrichmentStatistic {
    static constexpr const StatisticInfo& info = registered::enrichment;
    static EnrichmentReport report(const AnalysedTexts& texts) { return enrichmentReport(texts.firstTokens()); }
    static constexpr std::array columns = {
        memberColumn<&EnrichmentSlice::number>("Tranche(s)*"),
        memberColumn<&EnrichmentSlice::newFormCount>("Nombre de formes nouvelles"),
    };
    static constexpr TableColumns<EnrichmentSlice> table{info.title, columns};
    static constexpr std::array figures = {
        memberFigure<&EnrichmentReport::tokenCount>({.id = "formCount",
                                                     .jsonKey = "tokenCount",
                                                     .caption = french::formCountCaption,
                                                     .explain = explainEnrichmentTokenCount})};
};

} // namespace quorvelle
