// Zipf's law: the forms by rank and the line log10 f = a + b · log10 r.
#pragma once

#include "core/catalogue/figure.h"
#include "core/catalogue/statistic_register.h"
#include "core/catalogue/table_columns.h"
#include "core/explanations/zipf_explanations.h"
#include "core/reports/zipf_report.h"
#include "core/text/analysed_texts.h"

#include <array>

namespace quorvelle {

struct ZipfStatistic {
    static constexpr const StatisticInfo& info = registered::zipf;
    static ZipfReport report(const AnalysedTexts& texts) { return zipfReport(texts.firstTokens(Occurrences::Counted)); }
    static constexpr std::array columns = {
        memberColumn<&ZipfRow::rank>("Rang"),
        memberColumn<&ZipfRow::form>("Forme"),
        memberColumn<&ZipfRow::attestations>("Nombre d'attestations"),
    };
    static constexpr TableColumns<ZipfRow> table{"Formes par rang", columns};
    /// The line's a, b and R²; N and V head the report without explanation.
    static constexpr std::array figures = {
        memberFigure<&ZipfReport::intercept>({.id = "intercept",
                                              .jsonKey = "intercept",
                                              .caption = "Ordonnée à l'origine a :",
                                              .format = FigureFormat::Measure,
                                              .explain = explainZipfIntercept}),
        memberFigure<&ZipfReport::slope>({.id = "slope",
                                          .jsonKey = "slope",
                                          .caption = "Pente b :",
                                          .format = FigureFormat::Measure,
                                          .explain = explainZipfSlope}),
        memberFigure<&ZipfReport::determination>({.id = "determination",
                                                  .jsonKey = "determination",
                                                  .caption = "Coefficient de détermination R² :",
                                                  .format = FigureFormat::Measure,
                                                  .explain = explainZipfDetermination}),
    };
};

} // namespace quorvelle
