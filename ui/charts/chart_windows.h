// The six chart windows, each a configuration of ChartWindow over the rows its statistics
// window shows, in their current order.
#pragma once

#include "ui/charts/ChartWindow.h"

#include <span>

namespace quorvelle::ui {

/// Forms by number of characters ("&Graphique" › "&Affichage" of frmstata); opens on the
/// values.
class frmgraf01 final : public ChartWindow {
    Q_OBJECT
public:
    frmgraf01(std::span<const LengthChartRow> rows, QWidget* parent);
};

/// Forms by their first letter ("&Début de mot" of frmstatc).
class frmgraf02 final : public ChartWindow {
    Q_OBJECT
public:
    frmgraf02(std::span<const CountChartRow> letters, QWidget* parent);
};

/// Forms by their last letter ("&Fin de mot" of frmstatc).
class frmgraf03 final : public ChartWindow {
    Q_OBJECT
public:
    frmgraf03(std::span<const CountChartRow> letters, QWidget* parent);
};

/// Frequencies at or above the mean ("&Ecart positif" of frmfreq01); opens on the values.
class frmgraffreqpos final : public ChartWindow {
    Q_OBJECT
public:
    frmgraffreqpos(std::span<const DeviationChartRow> rows, QWidget* parent);
};

/// Frequencies at or below the mean ("&Ecart négatif" of frmfreq01).
class frmgraffreqneg final : public ChartWindow {
    Q_OBJECT
public:
    frmgraffreqneg(std::span<const DeviationChartRow> rows, QWidget* parent);
};

/// New forms slice by slice ("&Affichage" of frmenrichissement01); opens on the values.
class frmgraf04 final : public ChartWindow {
    Q_OBJECT
public:
    frmgraf04(std::span<const CountChartRow> slices, QWidget* parent);
};

} // namespace quorvelle::ui
