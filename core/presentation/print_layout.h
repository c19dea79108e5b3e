// The page layout of the printed vocabulary list, as data the printer code only draws.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace quorvelle {

/// One printed line of the vocabulary listing.
struct PrintLine {
    enum class Kind {
        Header, ///< the listing's header row, large and bold
        Rule,   ///< a line of ruleHyphens hyphens under the header
        Row,    ///< one row of the listing, small and regular
    };
    Kind kind = Kind::Row;
    std::string left;  ///< the first column's text, trailing blanks removed
    std::string right; ///< the second column's text, trailing blanks removed
};

using PrintPage = std::vector<PrintLine>;

/// One row of a two-column listing as its two texts, in whatever encoding the caller uses.
struct GridRow {
    std::string left;
    std::string right;
};

inline constexpr std::size_t ruleHyphens = 60;
/// The header and the rows share a line count; a page ends when it reaches this many.
inline constexpr std::size_t linesPerPage = 68;

/// Pages of a two-column listing: row 0 is the header, printed once at the top of the
/// first page and followed by the rule (which takes no line of the count); every other
/// row follows in order, the listing's trailing empty row included. The first page holds 67
/// rows, every later page 68. A page break after the last row leaves no empty page.
std::vector<PrintPage> layoutPrintedGrid(const std::vector<GridRow>& grid);

} // namespace quorvelle
