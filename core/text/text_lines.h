// The lines a text is shown in, found a stretch at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace quorvelle {

/// The lines of a text as a text view shows them, by their offsets in the text. A line ends
/// after a line end (CR LF, LF or CR, which belongs to the line it ends); a line longer than
/// longestShownLine characters is cut after its last blank within that length, or at that
/// length when it has none, so that no shown line is too long to lay out at once. A text always
/// has one line more than it has line ends and cuts: the last line runs to the end of the text,
/// empty after a final line end.
///
/// The lines are found a stretch at a time (indexUpTo), so that a view can show the first
/// lines of a text of a hundred megabytes before the rest is indexed. The text must outlive
/// the lines; it may hold up to 4 GiB.
class TextLines {
public:
    static constexpr std::size_t longestShownLine = 4096;

    TextLines() = default;
    explicit TextLines(std::string_view text);

    /// Finds the lines that start before offset end, and the line that follows them.
    void indexUpTo(std::size_t end);
    /// Finds the lines of the next stretch of text, from where the last line found starts.
    void indexFurther(std::size_t stretch) { indexUpTo(indexed_ + stretch); }
    /// Whether every line of the text is found.
    bool complete() const { return finalLineFound_; }

    /// The lines found so far, each with its end known.
    std::size_t count() const { return starts_.size() - (complete() ? 0 : 1); }
    std::size_t start(std::size_t line) const { return starts_[line]; }
    /// Where the next line starts: after the line end or the cut.
    std::size_t end(std::size_t line) const;
    /// Where the line's characters end, before its line end.
    std::size_t contentEnd(std::size_t line) const;
    /// The line an offset falls in, among those found: an offset inside a line end falls in the
    /// line it ends, one past the lines found in the last of them.
    std::size_t lineOf(std::size_t offset) const;
    /// The line with the most characters among those found.
    std::size_t longestLine() const { return longestLine_; }

private:
    std::string_view text_;
    std::vector<std::uint32_t> starts_{0};
    std::size_t indexed_ = 0; // where the last line found starts
    bool finalLineFound_ = false;
    std::size_t longestLine_ = 0;
};

} // namespace quorvelle
