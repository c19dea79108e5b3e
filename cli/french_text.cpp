// Shared French text output.
#include "cli/french_text.h"

#include "core/presentation/number_format.h"
#include "core/text/encoding.h"

#include <algorithm>
#include <cstddef>

namespace quorvelle::cli {

std::string frenchNumber(const std::optional<double>& value)
{
    return value ? formatNumber(*value, frenchDecimalSeparator) : std::string();
}

std::string frenchMeasure(const std::optional<double>& value)
{
    return value ? formatNumber(roundSignificant(*value, measureSignificantDigits), frenchDecimalSeparator)
                 : std::string(undefinedMeasure);
}

void writeCp1252(std::ostream& out, std::string_view cp1252)
{
    out << cp1252ToUtf8(cp1252);
}

void writeListing(std::ostream& out, const ResultListing& listing)
{
    writeCp1252(out, listing.text());
}

void writeFormLines(std::ostream& out, FormList forms, CountSpacing spacing)
{
    // A listing may run to a million lines: it is written a part at a time, not made whole
    // in code page 1252 and again in UTF-8.
    constexpr std::size_t formsPerPart = 4096;
    for (std::size_t start = 0; start < forms.size(); start += formsPerPart) {
        ResultListing listing(terminalLineEnd);
        for (std::size_t index = start; index < std::min(start + formsPerPart, forms.size()); ++index)
            listing.addForm(forms[index].form, forms[index].count, spacing);
        writeListing(out, listing);
    }
}

std::string withTerminalLineEnds(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t index = 0; index < text.size(); ++index) {
        const char character = text[index];
        const bool pairStart = character == '\r' || character == '\n';
        if (pairStart && index + 1 < text.size() && (text[index + 1] == '\r' || text[index + 1] == '\n')
            && text[index + 1] != character) {
            result += '\n';
            ++index;
        } else {
            result += character;
        }
    }
    return result;
}

void writeLemmaUnit(std::ostream& out)
{
    writeTotal(out, "Unité :", "lemmes (chaque lemme à la place de ses formes)");
}

void writeTitle(std::ostream& out, std::string_view title)
{
    out << title << "\n\n";
}

void writeHeading(std::ostream& out, std::string_view heading)
{
    out << '\n' << heading << '\n';
}

} // namespace quorvelle::cli
