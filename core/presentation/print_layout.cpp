// Paging the vocabulary listing.
#include "core/presentation/print_layout.h"

#include <string_view>

namespace quorvelle {
namespace {

std::string withoutTrailingBlanks(std::string_view text)
{
    const std::size_t end = text.find_last_not_of(' ');
    return std::string(text.substr(0, end == std::string_view::npos ? 0 : end + 1));
}

PrintLine lineOf(PrintLine::Kind kind, const GridRow& row)
{
    return {kind, withoutTrailingBlanks(row.left), withoutTrailingBlanks(row.right)};
}

} // namespace

std::vector<PrintPage> layoutPrintedGrid(const std::vector<GridRow>& grid)
{
    std::vector<PrintPage> pages(1);
    if (grid.empty())
        return pages;

    pages.back().push_back(lineOf(PrintLine::Kind::Header, grid.front()));
    pages.back().push_back({PrintLine::Kind::Rule, std::string(ruleHyphens, '-'), {}});
    std::size_t linesOnPage = 1;
    for (std::size_t index = 1; index < grid.size(); ++index) {
        if (linesOnPage == linesPerPage) {
            pages.emplace_back();
            linesOnPage = 0;
        }
        pages.back().push_back(lineOf(PrintLine::Kind::Row, grid[index]));
        ++linesOnPage;
    }
    return pages;
}

} // namespace quorvelle
