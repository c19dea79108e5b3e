// The data behind the charts: from a statistic's rows to the one table of a chart, every row
// of which is listed, and the rows of it that are drawn as bars.
#pragma once

#include "core/corpus/corpus_reports.h"
#include "core/corpus/correspondence_analysis.h"
#include "core/presentation/word_cloud.h"
#include "core/reports/dispersion_report.h"
#include "core/reports/zipf_report.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorvelle {

/// One row of a chart's table.
struct ChartRow {
    /// The row's cells, first column first (code page 1252 text).
    std::array<std::string, 3> cells;
    /// The category label of the row's bar, when it has one.
    std::string label;
    /// The bar's value: the number written in the row's cell in valueColumn.
    double barValue = 0;

    friend bool operator==(const ChartRow&, const ChartRow&) = default;
};

/// A chart's table: every row, in the order it is listed; the chart draws one bar for each
/// row listed in bars, from the start of its category axis (left, or bottom), valued by the
/// row's barValue, which its cell in valueColumn writes.
struct ChartRows {
    std::vector<ChartRow> rows;
    std::size_t valueColumn = 2;
    std::vector<std::size_t> bars;
};

/// A row of the forms by length: number of forms and number of characters.
struct LengthChartRow {
    std::int64_t forms = 0;
    std::int64_t characters = 0;
};

/// A row of the statistics that chart one count per label: a letter and the forms beginning (or
/// ending) with it, a frequency and its number of forms, a slice and its new forms.
struct CountChartRow {
    std::string label;
    std::int64_t count = 0;
};

/// A row of the attestation frequencies: frequency, number of forms, deviation from the mean.
struct DeviationChartRow {
    std::int64_t frequency = 0;
    std::int64_t forms = 0;
    double deviation = 0;
};

/// A row of the specificities: a form and its specificity.
struct ScoreChartRow {
    std::string label;
    double score = 0;
};

enum class DeviationSide {
    Positive, ///< rows whose deviation is zero or more
    Negative, ///< rows whose deviation is zero or less
};

/// Label prefixes of the bars: none for letters, one blank for frequencies and slices.
inline constexpr std::string_view letterLabelPrefix = "";
inline constexpr std::string_view numberLabelPrefix = " ";

/// The forms-by-length chart, from the rows in their current sort order. The table keeps
/// that order, with the columns characters, forms and their percentage of all the forms
/// (written with decimalSeparator); the chart draws every row in the reverse order (so the
/// default order, longest first, charts from the shortest), labelled by two blanks and the
/// number of characters, valued by the number of forms.
ChartRows lengthChart(std::span<const LengthChartRow> rows, char decimalSeparator);

/// The other charts: a table row for every row (its number from 1, its label, its count) and
/// a bar, labelled by the prefix and the label, for each row whose count is above 0.
ChartRows countChart(std::span<const CountChartRow> rows, std::string_view labelPrefix);

/// The profile of the categories: the table of countChart, with the bars drawn in the reverse
/// order, so that on horizontal bars the first category is at the top.
ChartRows categoryProfileChart(std::span<const CountChartRow> categories);

/// The specificities chart, from rows by score decreasing. The table keeps that order, with
/// the columns number (from 1), form and score to two decimals (written with
/// decimalSeparator); the chart draws every row in the reverse order, so that on horizontal
/// bars the highest score is at the top, labelled by the form.
ChartRows scoreChart(std::span<const ScoreChartRow> rows, char decimalSeparator);

/// The Zipf chart: a table row for every form (rank, form, attestations) and a point for each,
/// labelled by the form, valued by its attestations.
ChartRows zipfChart(std::span<const ZipfRow> rows);

/// The parts of a dispersion: a table row for each part (its number from 1, its forms as
/// "first–last" numbered from 1, the attestations in it) and a bar for each, empty parts
/// included, so that the bars stand where the parts lie in the text.
ChartRows dispersionChart(const DispersionReport& report);

/// A part or a form on the plane of two factors.
struct FactorMapPoint {
    std::string name;
    double x = 0;
    double y = 0;
    bool isPart = false;

    friend bool operator==(const FactorMapPoint&, const FactorMapPoint&) = default;
};

/// The points of the factor map of factors xFactor and yFactor (from 0): every part, then the
/// forms that contribute most to the plane, at most formCount, by their contributions to the two
/// factors added, decreasing.
std::vector<FactorMapPoint> factorMapPoints(const CorrespondenceAnalysis& analysis, std::size_t xFactor,
                                            std::size_t yFactor, std::size_t formCount);

/// The factor map's table: a row for each point (its name, its two coordinates to four decimals,
/// written with decimalSeparator), labelled by its name.
ChartRows factorMapChart(std::span<const FactorMapPoint> points, char decimalSeparator);

/// The progression chart of forms through the parts: for each form in turn, a row for each part
/// (the part, the form, its frequency per 10 000 forms to two decimals, written with
/// decimalSeparator), labelled by the part, valued by the frequency (0 in an empty part).
ChartRows progressionChart(std::span<const FormProgression> progressions, char decimalSeparator);

/// The table of a word cloud: a row for each form placed, in the cloud's order (its form, its
/// weight to two decimals, written with decimalSeparator, and its font size), labelled by the
/// form, valued by the size.
ChartRows wordCloudChart(const WordCloud& cloud, char decimalSeparator);

/// The rows of a frequency chart: those on the given side (a deviation of 0 is on both),
/// labelled by their frequency, counting their forms.
std::vector<CountChartRow> deviationSide(std::span<const DeviationChartRow> rows, DeviationSide side);

} // namespace quorvelle
