// First and last letters, from the distinct forms and their attestations.
#include "core/reports/edge_letter_report.h"

#include "core/text/tokenized_text.h"

#include <array>
#include <cstddef>
#include <utility>

namespace quorvelle {

EdgeLetterReport edgeLetterReport(std::string_view text)
{
    return edgeLetterReport(tokenize(text, Occurrences::Counted));
}

EdgeLetterReport edgeLetterReport(const TokenizedText& text)
{
    constexpr std::size_t codeCount = 256;
    std::array<EdgeLetterRow, codeCount> byCode{};
    const auto codeOf = [](char letter) { return static_cast<unsigned char>(letter); };
    // Reading the distinct forms in alphabetical order keeps every listing alphabetical.
    for (const FormTable::Id id : text.alphabetical) {
        const std::string& form = text.forms.form(id);
        const std::int64_t attestations = text.forms.count(id);
        EdgeLetterRow& start = byCode[codeOf(form.front())];
        start.startCount += attestations;
        start.starts.push_back({form, attestations});
        EdgeLetterRow& end = byCode[codeOf(form.back())];
        end.endCount += attestations;
        end.ends.push_back({form, attestations});
    }

    EdgeLetterReport report;
    for (std::size_t code = 0; code < codeCount; ++code) {
        EdgeLetterRow& row = byCode[code];
        if (row.startCount == 0 && row.endCount == 0)
            continue;
        row.letter = static_cast<char>(code);
        report.rows.push_back(std::move(row));
    }
    return report;
}

} // namespace quorvelle
