// The titles drawn inside a chart: its own, and those of its axes.
#pragma once

#include <QString>

class QChart;

namespace quorvelle::ui {

/// Titles chart, in bold over what its title said so far (the Zipf line's equation), both
/// centred: drawn with the chart, its title is on screen, in the saved picture and on paper.
void setChartTitle(QChart* chart, const QString& title);

/// The title of a vertical axis as the axis draws it: a title that ends with a parenthesis
/// ("Nombre d'attestations (échelle logarithmique)") on two centred lines, the parenthesis on
/// the second, so that it is not cut beside a chart of ordinary height.
QString verticalAxisTitle(const QString& title);

} // namespace quorvelle::ui
