// The eight chart windows, each a configuration of ChartWindow over the rows its statistics
// window shows, in their current order.
#pragma once

#include "ui/charts/ChartWindow.h"

#include <cstddef>
#include <span>

namespace quorvelle::ui {

/// Forms by number of characters ("&Graphique" › "&Affichage" of LengthsWindow); opens on the
/// values.
class LengthsChart final : public ChartWindow {
    Q_OBJECT
public:
    LengthsChart(std::span<const LengthChartRow> rows, QWidget* parent);
};

/// Forms by their first letter ("&Début de mot" of StartEndLettersWindow).
class StartLettersChart final : public ChartWindow {
    Q_OBJECT
public:
    StartLettersChart(std::span<const CountChartRow> letters, QWidget* parent);
};

/// Forms by their last letter ("&Fin de mot" of StartEndLettersWindow).
class EndLettersChart final : public ChartWindow {
    Q_OBJECT
public:
    EndLettersChart(std::span<const CountChartRow> letters, QWidget* parent);
};

/// Frequencies at or above the mean ("&Ecart positif" of FrequenciesWindow); opens on the values.
class PositiveDeviationsChart final : public ChartWindow {
    Q_OBJECT
public:
    PositiveDeviationsChart(std::span<const DeviationChartRow> rows, QWidget* parent);
};

/// Frequencies at or below the mean ("Ecart &négatif" of FrequenciesWindow).
class NegativeDeviationsChart final : public ChartWindow {
    Q_OBJECT
public:
    NegativeDeviationsChart(std::span<const DeviationChartRow> rows, QWidget* parent);
};

/// New forms slice by slice ("&Affichage" of EnrichmentWindow); opens on the values.
class EnrichmentChart final : public ChartWindow {
    Q_OBJECT
public:
    EnrichmentChart(std::span<const CountChartRow> slices, QWidget* parent);
};

/// The words of a text by category ("&Graphique" › "&Profil des catégories" of LemmasWindow),
/// as horizontal bars, the first category at the top, so that every category's name shows.
class CategoryProfileChart final : public ChartWindow {
    Q_OBJECT
public:
    CategoryProfileChart(std::span<const CountChartRow> categories, QWidget* parent);
};

/// The forms most over-used in either of two texts ("&Graphique" of SpecificitiesWindow), as
/// horizontal bars, the most specific of text 1 at the top.
class SpecificitiesChart final : public ChartWindow {
    Q_OBJECT
public:
    SpecificitiesChart(std::span<const ScoreChartRow> forms, QWidget* parent);
};

/// Zipf's law ("Loi de &Zipf" of FrequenciesWindow): every form by rank and attestations on
/// logarithmic axes, with the least-squares line; under both tabs, the line's figures
/// (lineFrame: interceptValue, slopeValue, determinationValue), which explain their computation.
class ZipfChart final : public ChartWindow {
    Q_OBJECT
public:
    ZipfChart(ZipfReport report, QWidget* parent);

private:
    ZipfReport report_; ///< what the line's figures are explained from
};

/// The factor map of a corpus's correspondence analysis ("&Carte factorielle" of CorpusWindow):
/// the parts and the forms that contribute most to the plane of two factors (from 0), as
/// squares and circles; the values tab lists them with their two coordinates.
class FactorMapChart final : public ChartWindow {
    Q_OBJECT
public:
    /// The most forms the map shows.
    static constexpr std::size_t mostForms = 30;

    FactorMapChart(const CorrespondenceAnalysis& analysis, std::size_t xFactor, std::size_t yFactor, QWidget* parent);
};

/// Forms through the parts of a corpus ("&Progression des formes" of CorpusWindow): for each
/// part a group of bars, one for each form, as high as its frequency per 10 000 forms in the
/// part; the values tab lists every part and form with that frequency.
class ProgressionChart final : public ChartWindow {
    Q_OBJECT
public:
    ProgressionChart(std::span<const FormProgression> progressions, QWidget* parent);
};

} // namespace quorvelle::ui
