// Collecting chart tables and building bars and grid rows from them.
#include "core/chart_data.h"

#include "core/number_format.h"

#include <cstdint>

namespace quorvelle {
namespace {

std::string cellText(const ChartCell& cell)
{
    if (const auto* text = std::get_if<std::string>(&cell))
        return *text;
    return std::to_string(std::get<std::int64_t>(cell));
}

std::int64_t cellNumber(const ChartCell& cell)
{
    if (const auto* number = std::get_if<std::int64_t>(&cell))
        return *number;
    return 0;
}

} // namespace

ChartTable collectLengthRows(const std::vector<LengthChartRow>& rows)
{
    ChartTable table{3, {}};
    for (const LengthChartRow& row : rows) {
        const auto wholePercentage = static_cast<std::int64_t>(roundHalfEven(row.percentage.value_or(0), 0));
        table.rows.push_back({row.forms, row.characters, wholePercentage});
    }
    return table;
}

ChartTable collectLetterRows(const std::vector<LetterChartRow>& rows)
{
    ChartTable table;
    for (const LetterChartRow& row : rows)
        table.rows.push_back({row.letter, row.count});
    return table;
}

ChartTable collectDeviationRows(const std::vector<DeviationChartRow>& rows, DeviationSide side)
{
    ChartTable table;
    for (const DeviationChartRow& row : rows) {
        const bool kept = side == DeviationSide::Positive ? row.deviation >= 0 : row.deviation <= 0;
        if (kept)
            table.rows.push_back({std::to_string(row.frequency), row.forms});
    }
    return table;
}

ChartTable collectSliceRows(const std::vector<SliceChartRow>& rows)
{
    ChartTable table;
    for (const SliceChartRow& row : rows)
        table.rows.push_back({std::to_string(row.slice), row.newForms});
    return table;
}

ChartContent buildLengthChart(const ChartTable& table, char decimalSeparator)
{
    ChartContent content;
    std::int64_t totalForms = 0;
    for (auto row = table.rows.rbegin(); row != table.rows.rend(); ++row) {
        const std::int64_t forms = cellNumber((*row)[0]);
        content.bars.push_back({std::string(lengthLabelPrefix) + cellText((*row)[1]), forms});
        totalForms += forms;
    }
    for (const std::vector<ChartCell>& row : table.rows) {
        const std::optional<double> share =
            percentage(static_cast<double>(cellNumber(row[0])), static_cast<double>(totalForms));
        content.gridRows.push_back({cellText(row[1]), cellText(row[0]),
                                    share ? formatNumber(*share, decimalSeparator) : std::string()});
    }
    return content;
}

ChartContent buildCountChart(const ChartTable& table, std::string_view labelPrefix)
{
    ChartContent content;
    std::int64_t rowNumber = 0;
    for (const std::vector<ChartCell>& row : table.rows) {
        const std::int64_t value = cellNumber(row[1]);
        if (value > 0)
            content.bars.push_back({std::string(labelPrefix) + cellText(row[0]), value});
        content.gridRows.push_back({std::to_string(++rowNumber), cellText(row[0]), cellText(row[1])});
    }
    return content;
}

} // namespace quorvelle
