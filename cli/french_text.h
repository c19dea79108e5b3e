// Pieces of the French text output shared by every statistic.
#pragma once

#include "core/catalogue/figure.h"
#include "core/presentation/result_listing.h"
#include "core/text/form_list.h"

#include <array>
#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace quorvelle::cli {

/// The decimal separator of the program's French output.
inline constexpr char frenchDecimalSeparator = ',';

/// A rounded value or deviation as the program writes it (12,5; -0,2; 100), or the empty
/// string for a value the statistic cannot define.
std::string frenchNumber(const std::optional<double>& value);

/// A measure (a richness, Zipf's line, a dispersion) as the program shows it: rounded to four
/// significant digits (643,8; 0,01235), or "—" where the text leaves it undefined.
std::string frenchMeasure(const std::optional<double>& value);

/// Writes a code page 1252 text as UTF-8.
void writeCp1252(std::ostream& out, std::string_view cp1252);

/// On a terminal the result boxes' listings end their lines with LF.
inline constexpr std::string_view terminalLineEnd = "\n";

/// Writes a listing of the result boxes, made with terminalLineEnd.
void writeListing(std::ostream& out, const ResultListing& listing);

/// Writes the result boxes' listing of forms with their counts.
void writeFormLines(std::ostream& out, FormList forms, CountSpacing spacing = CountSpacing::OneBlank);

/// text with each of its CR LF and LF CR line breaks as one LF.
std::string withTerminalLineEnds(std::string_view text);

/// A total after its caption, on a line of its own.
template <typename Value>
void writeTotal(std::ostream& out, std::string_view caption, const Value& value)
{
    out << caption << ' ' << value << '\n';
}

/// Each figure of a report after its caption, a line each, written as the windows show it.
template <class Report, std::size_t Count>
void writeFigures(std::ostream& out, const std::array<Figure<Report>, Count>& figures, const Report& report)
{
    for (const Figure<Report>& figure : figures)
        writeTotal(out, figure.caption, formattedFigure(figure.value(report), figure.format, frenchDecimalSeparator));
}

/// The line that says a result counts lemmas where it would count forms.
void writeLemmaUnit(std::ostream& out);

/// A statistic's title line followed by an empty line.
void writeTitle(std::ostream& out, std::string_view title);

/// The heading of a listing, after an empty line.
void writeHeading(std::ostream& out, std::string_view heading);

} // namespace quorvelle::cli
