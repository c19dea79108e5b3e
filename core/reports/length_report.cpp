// Distributing the forms by length, from the distinct forms and their attestations.
#include "core/reports/length_report.h"

#include "core/reports/rounding.h"
#include "core/text/tokenized_text.h"

#include <algorithm>
#include <numeric>

namespace quorvelle {

LengthReport lengthReport(std::string_view text)
{
    return lengthReport(tokenize(text, Occurrences::Counted));
}

LengthReport lengthReport(const TokenizedText& text)
{
    // Lower-casing keeps lengths, so the distinct forms carry the lengths as written.
    // A stable sort by decreasing length keeps each length's forms alphabetical.
    std::vector<FormTable::Id> byLength = text.alphabetical;
    std::stable_sort(byLength.begin(), byLength.end(), [&](FormTable::Id left, FormTable::Id right) {
        return text.forms.form(left).size() > text.forms.form(right).size();
    });

    LengthReport report;
    report.tokenCount = text.tokenCount();
    for (const FormTable::Id id : byLength) {
        const std::string& form = text.forms.form(id);
        const auto length = static_cast<std::int64_t>(form.size());
        if (report.rows.empty() || report.rows.back().length != length)
            report.rows.emplace_back().length = length;
        LengthRow& row = report.rows.back();
        row.formCount += text.forms.count(id);
        row.forms.push_back({form, text.forms.count(id)});
    }
    for (LengthRow& row : report.rows)
        row.percentage = *percentage(static_cast<double>(row.formCount), static_cast<double>(report.tokenCount));
    return report;
}

std::vector<std::size_t> sortedRowOrder(const LengthReport& report, LengthColumn column, SortDirection direction)
{
    std::vector<std::size_t> order(report.rows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    const auto sortBy = [&](auto LengthRow::*value) {
        std::stable_sort(order.begin(), order.end(), [&](std::size_t left, std::size_t right) {
            const auto& leftValue = report.rows[left].*value;
            const auto& rightValue = report.rows[right].*value;
            return direction == SortDirection::Ascending ? leftValue < rightValue : rightValue < leftValue;
        });
    };
    switch (column) {
    case LengthColumn::Percentage:
        sortBy(&LengthRow::percentage);
        break;
    case LengthColumn::Length:
        sortBy(&LengthRow::length);
        break;
    case LengthColumn::FormCount:
        sortBy(&LengthRow::formCount);
        break;
    }
    return order;
}

} // namespace quorvelle
