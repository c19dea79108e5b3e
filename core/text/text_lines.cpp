// Finding the lines of a text as they are shown.
#include "core/text/text_lines.h"

#include "core/text/text_file.h"

#include <algorithm>
#include <limits>

namespace quorvelle {

static_assert(maxTextFileBytes <= std::numeric_limits<std::uint32_t>::max(), "a line's offset is kept in 32 bits");

TextLines::TextLines(std::string_view text)
    : text_(text)
{
}

void TextLines::indexUpTo(std::size_t end)
{
    const std::size_t size = text_.size();
    while (!complete() && indexed_ <= end) {
        const std::size_t lineStart = indexed_;
        // A line end right after the longest length still ends the line uncut.
        const std::size_t searchEnd = std::min(size, lineStart + longestShownLine + 1);
        std::size_t index = lineStart;
        while (index < searchEnd && text_[index] != '\n' && text_[index] != '\r')
            ++index;
        if (index < searchEnd) {
            const bool crLf = text_[index] == '\r' && index + 1 < size && text_[index + 1] == '\n';
            indexed_ = index + (crLf ? 2 : 1);
        } else if (size - lineStart > longestShownLine) {
            const std::size_t blank = text_.substr(lineStart, longestShownLine).rfind(' ');
            indexed_ = blank == std::string_view::npos ? lineStart + longestShownLine : lineStart + blank + 1;
        } else {
            finalLineFound_ = true; // it runs to the end of the text
        }
        const std::size_t line = starts_.size() - 1;
        if (!finalLineFound_)
            starts_.push_back(static_cast<std::uint32_t>(indexed_));
        if (contentEnd(line) - start(line) > contentEnd(longestLine_) - start(longestLine_))
            longestLine_ = line;
    }
}

std::size_t TextLines::end(std::size_t line) const
{
    return line + 1 < starts_.size() ? starts_[line + 1] : text_.size();
}

std::size_t TextLines::contentEnd(std::size_t line) const
{
    std::size_t contentEnd = end(line);
    if (contentEnd > start(line) && text_[contentEnd - 1] == '\n')
        --contentEnd;
    if (contentEnd > start(line) && text_[contentEnd - 1] == '\r')
        --contentEnd;
    return contentEnd;
}

std::size_t TextLines::lineOf(std::size_t offset) const
{
    const auto after =
        std::upper_bound(starts_.begin(), starts_.begin() + static_cast<std::ptrdiff_t>(count()), offset);
    return static_cast<std::size_t>(after - starts_.begin()) - 1;
}

} // namespace quorvelle
