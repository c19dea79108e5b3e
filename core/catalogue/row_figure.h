// The figures of a statistic's rows that explain how they are computed.
#pragma once

#include "core/explanations/figure_explanation.h"

#include <cstddef>

namespace quorvelle {

/// A figure of every row of a statistic's table: its column, and how it is computed for a
/// row of the report.
template <class Report, class Row>
struct RowFigure {
    std::size_t column; ///< its place among the table's columns
    FigureExplanation (*explain)(const Report&, const Row&, const ExplanationNumbers&);
};

} // namespace quorvelle
