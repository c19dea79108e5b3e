// The co-occurring forms of a pivot form: the forms found around it, scored.
#pragma once

#include "core/catalogue/figure.h"
#include "core/catalogue/row_figure.h"
#include "core/catalogue/statistic_register.h"
#include "core/catalogue/table_columns.h"
#include "core/explanations/collocate_explanations.h"
#include "core/reports/collocate_report.h"
#include "core/statistics/score_cells.h"

#include <array>
#include <cstddef>

namespace quorvelle {

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
/// The pivot's attestations and the places around it.
inline constexpr std::array collocateFigures = {
    memberFigure<&CollocateReport::pivotAttestations>({.id = "pivotAttestations",
                                                       .jsonKey = "pivotAttestations",
                                                       .caption = "Attestations du pivot :",
                                                       .explain = explainPivotAttestations}),
    memberFigure<&CollocateReport::spanForms>({.id = "spanForms",
                                               .jsonKey = "spanForms",
                                               .caption = "Formes autour du pivot :",
                                               .explain = explainSpanForms}),
};

struct CollocatesCommand {
    static constexpr const FormCommandInfo& info = registered::collocates;
    static constexpr const auto& figures = collocateFigures;
};

} // namespace quorvelle
