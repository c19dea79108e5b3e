// Slicing the forms of a text by 100 and finding what each slice adds.
#include "core/reports/enrichment_report.h"

#include "core/text/tokenized_text.h"

#include <algorithm>

namespace quorvelle {

EnrichmentReport enrichmentReport(std::string_view text)
{
    return enrichmentReport(tokenize(text));
}

EnrichmentReport enrichmentReport(const TokenizedText& text)
{
    EnrichmentReport report;
    report.tokenCount = text.tokenCount();

    // For each form: the slice where it first appears (0 while not met yet), and its
    // occurrences there.
    std::vector<std::int64_t> firstSlice(text.distinctCount(), 0);
    std::vector<std::int64_t> attestationsInFirstSlice(text.distinctCount(), 0);
    std::vector<FormTable::Id> newForms;
    const auto sliceSize = static_cast<std::size_t>(enrichmentSliceSize);
    // Both lists are made at their final size: a large text has a million slices.
    report.slices.reserve((text.tokens.size() + sliceSize - 1) / sliceSize);
    report.knownForms.reserve(text.distinctCount());
    auto token = text.tokens.begin();
    for (std::size_t start = 0; start < text.tokens.size(); start += sliceSize) {
        const auto number = static_cast<std::int64_t>(report.slices.size()) + 1;
        const std::size_t end = std::min(start + sliceSize, text.tokens.size());
        newForms.clear();
        for (std::size_t index = start; index < end; ++index, ++token) {
            const FormTable::Id id = *token;
            if (firstSlice[id] == 0) {
                firstSlice[id] = number;
                newForms.push_back(id);
            }
            if (firstSlice[id] == number)
                ++attestationsInFirstSlice[id];
        }
        std::sort(newForms.begin(), newForms.end(),
                  [&](FormTable::Id left, FormTable::Id right) { return text.rank[left] < text.rank[right]; });
        report.slices.push_back({number, static_cast<std::int64_t>(newForms.size()), report.knownForms.size()});
        for (const FormTable::Id id : newForms)
            report.knownForms.push_back({text.forms.form(id), attestationsInFirstSlice[id], number});
    }
    return report;
}

} // namespace quorvelle
