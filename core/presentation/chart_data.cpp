// Building the charts' tables.
#include "core/presentation/chart_data.h"

#include "core/presentation/number_format.h"
#include "core/reports/rounding.h"

#include <algorithm>
#include <numeric>

namespace quorvelle {
namespace {

constexpr std::string_view lengthLabelPrefix = "  ";

std::string prefixed(std::string_view prefix, std::string_view label)
{
    std::string text(prefix);
    text += label;
    return text;
}

} // namespace

ChartRows lengthChart(std::span<const LengthChartRow> rows, char decimalSeparator)
{
    const std::int64_t totalForms =
        std::accumulate(rows.begin(), rows.end(), std::int64_t{0},
                        [](std::int64_t sum, const LengthChartRow& row) { return sum + row.forms; });
    ChartRows chart;
    chart.valueColumn = 1;
    chart.rows.reserve(rows.size());
    for (const LengthChartRow& row : rows) {
        const auto share = percentage(static_cast<double>(row.forms), static_cast<double>(totalForms));
        std::string characters = std::to_string(row.characters);
        std::string label = prefixed(lengthLabelPrefix, characters);
        chart.rows.push_back({{std::move(characters), std::to_string(row.forms),
                               share ? formatNumber(*share, decimalSeparator) : std::string()},
                              std::move(label),
                              static_cast<double>(row.forms)});
    }
    chart.bars.resize(rows.size());
    std::iota(chart.bars.rbegin(), chart.bars.rend(), std::size_t{0});
    return chart;
}

ChartRows countChart(std::span<const CountChartRow> rows, std::string_view labelPrefix)
{
    ChartRows chart;
    chart.rows.reserve(rows.size());
    for (const CountChartRow& row : rows) {
        if (row.count > 0)
            chart.bars.push_back(chart.rows.size());
        chart.rows.push_back({{std::to_string(chart.rows.size() + 1), row.label, std::to_string(row.count)},
                              prefixed(labelPrefix, row.label),
                              static_cast<double>(row.count)});
    }
    return chart;
}

ChartRows categoryProfileChart(std::span<const CountChartRow> categories)
{
    ChartRows chart = countChart(categories, letterLabelPrefix);
    std::ranges::reverse(chart.bars);
    return chart;
}

ChartRows scoreChart(std::span<const ScoreChartRow> rows, char decimalSeparator)
{
    ChartRows chart;
    chart.rows.reserve(rows.size());
    for (const ScoreChartRow& row : rows) {
        const double score = roundHalfEven(row.score, 2);
        chart.rows.push_back({{std::to_string(chart.rows.size() + 1), row.label, formatNumber(score, decimalSeparator)},
                              row.label,
                              score});
    }
    chart.bars.resize(rows.size());
    std::iota(chart.bars.rbegin(), chart.bars.rend(), std::size_t{0});
    return chart;
}

ChartRows zipfChart(std::span<const ZipfRow> rows)
{
    ChartRows chart;
    chart.rows.reserve(rows.size());
    for (const ZipfRow& row : rows)
        chart.rows.push_back({{std::to_string(row.rank), row.form, std::to_string(row.attestations)},
                              row.form,
                              static_cast<double>(row.attestations)});
    chart.bars.resize(rows.size());
    std::iota(chart.bars.begin(), chart.bars.end(), std::size_t{0});
    return chart;
}

ChartRows dispersionChart(const DispersionReport& report)
{
    ChartRows chart;
    chart.rows.reserve(report.parts.size());
    for (const DispersionPart& part : report.parts) {
        std::string number = std::to_string(chart.rows.size() + 1);
        std::string forms = part.formCount == 0 ? std::string()
                                                : std::to_string(part.firstForm + 1) + "\x96"
                + std::to_string(part.firstForm + part.formCount); // an en dash in code page 1252
        chart.rows.push_back({{number, std::move(forms), std::to_string(part.attestations)},
                              number,
                              static_cast<double>(part.attestations)});
    }
    chart.bars.resize(chart.rows.size());
    std::iota(chart.bars.begin(), chart.bars.end(), std::size_t{0});
    return chart;
}

ChartRows wordCloudChart(const WordCloud& cloud, char decimalSeparator)
{
    ChartRows chart;
    chart.rows.reserve(cloud.words.size());
    for (const CloudWord& word : cloud.words)
        chart.rows.push_back({{word.form, formatNumber(roundHalfEven(word.weight, 2), decimalSeparator),
                               formatNumber(word.fontSize, decimalSeparator)},
                              word.form,
                              word.fontSize});
    chart.bars.resize(chart.rows.size());
    std::iota(chart.bars.begin(), chart.bars.end(), std::size_t{0});
    return chart;
}

std::vector<CountChartRow> deviationSide(std::span<const DeviationChartRow> rows, DeviationSide side)
{
    std::vector<CountChartRow> kept;
    for (const DeviationChartRow& row : rows) {
        if (side == DeviationSide::Positive ? row.deviation >= 0 : row.deviation <= 0)
            kept.push_back({std::to_string(row.frequency), row.forms});
    }
    return kept;
}

std::vector<FactorMapPoint> factorMapPoints(const CorrespondenceAnalysis& analysis, std::size_t xFactor,
                                            std::size_t yFactor, std::size_t formCount)
{
    std::vector<FactorMapPoint> points;
    for (const FactorPoint& part : analysis.parts)
        points.push_back({part.name, part.coordinates.at(xFactor), part.coordinates.at(yFactor), true});
    std::vector<std::size_t> byContribution(analysis.forms.size());
    std::iota(byContribution.begin(), byContribution.end(), std::size_t{0});
    const auto planeContribution = [&](std::size_t form) {
        return analysis.forms[form].contributions.at(xFactor) + analysis.forms[form].contributions.at(yFactor);
    };
    const std::size_t shown = std::min(formCount, byContribution.size());
    std::partial_sort(
        byContribution.begin(), byContribution.begin() + static_cast<std::ptrdiff_t>(shown), byContribution.end(),
        [&](std::size_t left, std::size_t right) { return planeContribution(left) > planeContribution(right); });
    for (std::size_t place = 0; place < shown; ++place) {
        const FactorPoint& form = analysis.forms[byContribution[place]];
        points.push_back({form.name, form.coordinates.at(xFactor), form.coordinates.at(yFactor), false});
    }
    return points;
}

ChartRows factorMapChart(std::span<const FactorMapPoint> points, char decimalSeparator)
{
    constexpr int coordinateDecimals = 4;
    ChartRows chart;
    for (const FactorMapPoint& point : points)
        chart.rows.push_back(
            {{point.name, formatNumber(roundHalfEven(point.x, coordinateDecimals) + 0.0, decimalSeparator),
              formatNumber(roundHalfEven(point.y, coordinateDecimals) + 0.0, decimalSeparator)},
             point.name,
             point.y});
    chart.bars.resize(chart.rows.size());
    std::iota(chart.bars.begin(), chart.bars.end(), std::size_t{0});
    return chart;
}

ChartRows progressionChart(std::span<const FormProgression> progressions, char decimalSeparator)
{
    ChartRows chart;
    for (const FormProgression& progression : progressions)
        for (const ProgressionStep& step : progression.steps) {
            const double frequency = roundHalfEven(step.per10000.value_or(0), 2);
            chart.rows.push_back(
                {{step.part, progression.form, formatNumber(frequency, decimalSeparator)}, step.part, frequency});
        }
    chart.bars.resize(chart.rows.size());
    std::iota(chart.bars.begin(), chart.bars.end(), std::size_t{0});
    return chart;
}

} // namespace quorvelle
