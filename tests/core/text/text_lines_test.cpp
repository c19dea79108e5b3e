// The lines a text is shown in: line ends of every kind, long lines cut, found a stretch at a time.
#include "core/text/text_lines.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace quorvelle {
namespace {

struct Line {
    std::string content;
    std::string ending; // the line end, or nothing for a cut or the last line
    bool operator==(const Line&) const = default;
    friend void PrintTo(const Line& line, std::ostream* out)
    {
        *out << line.content.size() << " + " << line.ending.size();
    }
};

std::vector<Line> shownLines(std::string_view text, std::size_t stretch = std::string::npos)
{
    TextLines lines(text);
    while (!lines.complete())
        lines.indexFurther(stretch == std::string::npos ? text.size() : stretch);
    std::vector<Line> shown;
    for (std::size_t line = 0; line < lines.count(); ++line)
        shown.push_back({std::string(text.substr(lines.start(line), lines.contentEnd(line) - lines.start(line))),
                         std::string(text.substr(lines.contentEnd(line), lines.end(line) - lines.contentEnd(line)))});
    return shown;
}

TEST(TextLines, EveryKindOfLineEndEndsALineAndTheLastLineRunsToTheEnd)
{
    EXPECT_EQ(shownLines(""), (std::vector<Line>{{"", ""}}));
    EXPECT_EQ(shownLines("le chat"), (std::vector<Line>{{"le chat", ""}}));
    const std::vector<Line> mixed{{"a", "\r\n"}, {"b", "\n"}, {"c", "\r"}, {"", "\r\n"}, {"d", "\r\n"}, {"", ""}};
    EXPECT_EQ(shownLines("a\r\nb\nc\r\r\nd\r\n"), mixed);
    // A CR LF split between two stretches is still one line end.
    EXPECT_EQ(shownLines("a\r\nb\nc\r\r\nd\r\n", 1), mixed);
    EXPECT_EQ(shownLines("a\r\nb\nc\r\r\nd\r\n", 3), mixed);
}

TEST(TextLines, ALongLineIsCutAfterItsLastBlankOrAtTheLongestLength)
{
    const std::size_t longest = TextLines::longestShownLine;
    const std::string words = std::string(longest - 10, 'a') + " " + std::string(20, 'b') + "\n";
    EXPECT_EQ(shownLines(words),
              (std::vector<Line>{{std::string(longest - 10, 'a') + " ", ""}, {std::string(20, 'b'), "\n"}, {"", ""}}));
    const std::string unbroken(2 * longest + 1, 'x');
    EXPECT_EQ(shownLines(unbroken, 100),
              (std::vector<Line>{{std::string(longest, 'x'), ""}, {std::string(longest, 'x'), ""}, {"x", ""}}));
    // A line of exactly the longest length is not cut.
    EXPECT_EQ(shownLines(std::string(longest, 'y') + "\r\n").size(), 2U);
}

TEST(TextLines, LinesAreFoundAStretchAtATimeAndOffsetsFallInTheirLines)
{
    const std::string text = "un\ndeux\r\ntrois\n" + std::string(5000, 'z');
    TextLines lines(text);
    lines.indexUpTo(0);
    EXPECT_FALSE(lines.complete());
    EXPECT_EQ(lines.count(), 1U);
    lines.indexUpTo(text.size());
    ASSERT_TRUE(lines.complete());
    EXPECT_EQ(lines.count(), 5U);
    EXPECT_EQ(lines.lineOf(0), 0U);
    EXPECT_EQ(lines.lineOf(2), 0U); // the LF ending "un"
    EXPECT_EQ(lines.lineOf(3), 1U);
    EXPECT_EQ(lines.lineOf(8), 1U); // inside the CR LF ending "deux"
    EXPECT_EQ(lines.lineOf(text.size()), 4U);
    EXPECT_EQ(lines.longestLine(), 3U);
}

} // namespace
} // namespace quorvelle
