// Undoing a page layout: running lines left out, words hyphenated at line ends joined.
#include "core/document_readers/laid_out_text.h"

#include "core/text/encoding.h"
#include "core/text/letters.h"
#include "core/text/segmentation.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <limits>
#include <numeric>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace quorvelle {
namespace {

// Running lines are looked for in the two rows nearest each edge of a page: a header may
// stand above a second line, a footer below the last footnote.
constexpr std::size_t edgeRows = 2;

// A line runs when it stands at the same edge on at least this many pages, and there on more
// than half of the pages that hold text, or of the odd or of the even pages alone (books
// alternate the author's name and the title on facing pages). A document of one or two pages
// thus has no running lines, and a line on a third of the pages is body text.
constexpr std::size_t minRunningPages = 3;

enum Edge : std::size_t { topEdge, bottomEdge };

using EdgeLines = std::array<std::vector<std::size_t>, 2>;

// A line as running lines are compared: without digits, so that "Page 3" matches "Page 4" and
// a page number alone matches any other, and with runs of blanks as one space.
std::string runningKey(std::string_view text)
{
    std::string key;
    bool blank = false;
    for (const char c : text) {
        if (isDigit(c))
            continue;
        if (c == ' ' || c == '\t') {
            blank = !key.empty();
            continue;
        }
        if (blank)
            key += ' ';
        blank = false;
        key += c;
    }
    return key;
}

// The indices of the lines in the rows nearest the page's top and its bottom. A line whose
// middle falls within the extent of a row's topmost line shares its row: a page number beside
// a header.
EdgeLines edgeLines(const LaidOutPage& page)
{
    std::vector<std::size_t> order(page.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return page[a].top < page[b].top; });
    std::vector<std::size_t> rowStarts;
    for (std::size_t position = 0; position < order.size(); ++position) {
        const LaidOutLine& line = page[order[position]];
        if (rowStarts.empty() || (line.top + line.bottom) / 2 > page[order[rowStarts.back()]].bottom)
            rowStarts.push_back(position);
    }
    const bool tall = rowStarts.size() > edgeRows;
    const auto topEnd = static_cast<std::ptrdiff_t>(tall ? rowStarts[edgeRows] : order.size());
    const auto bottomBegin = static_cast<std::ptrdiff_t>(tall ? rowStarts[rowStarts.size() - edgeRows] : 0);
    return {std::vector<std::size_t>(order.begin(), order.begin() + topEnd),
            std::vector<std::size_t>(order.begin() + bottomBegin, order.end())};
}

// On how many pages a line stands at one edge, in all and by the parity of the page.
struct EdgeCount {
    std::size_t lastPage = std::numeric_limits<std::size_t>::max();
    std::size_t pages = 0;
    std::array<std::size_t, 2> pagesOfParity{};
};

// For each page, which of its lines are running headers or footers.
std::vector<std::vector<bool>> runningLines(const std::vector<LaidOutPage>& pages)
{
    std::vector<EdgeLines> edges;
    edges.reserve(pages.size());
    std::array<std::unordered_map<std::string, EdgeCount>, 2> counts;
    std::array<std::size_t, 2> textPagesOfParity{};
    for (std::size_t index = 0; index < pages.size(); ++index) {
        edges.push_back(edgeLines(pages[index]));
        if (pages[index].empty())
            continue;
        ++textPagesOfParity[index % 2];
        for (const Edge edge : {topEdge, bottomEdge}) {
            for (const std::size_t line : edges[index][edge]) {
                EdgeCount& count = counts[edge][runningKey(pages[index][line].text)];
                if (count.lastPage == index)
                    continue;
                count.lastPage = index;
                ++count.pages;
                ++count.pagesOfParity[index % 2];
            }
        }
    }
    const auto most = [](std::size_t count, std::size_t of) { return count >= minRunningPages && 2 * count > of; };
    const std::size_t textPages = textPagesOfParity[0] + textPagesOfParity[1];
    std::vector<std::vector<bool>> running(pages.size());
    for (std::size_t index = 0; index < pages.size(); ++index) {
        running[index].assign(pages[index].size(), false);
        for (const Edge edge : {topEdge, bottomEdge}) {
            for (const std::size_t line : edges[index][edge]) {
                const EdgeCount& count = counts[edge].at(runningKey(pages[index][line].text));
                if (most(count.pages, textPages) || most(count.pagesOfParity[0], textPagesOfParity[0])
                    || most(count.pagesOfParity[1], textPagesOfParity[1]))
                    running[index][line] = true;
            }
        }
    }
    return running;
}

// Words are cut as a French reader sees them, ligatures included: "cœ-" and "ur" make "cœur"
// whichever rule the statistics later follow.
const Alphabet& wordLetters = Alphabet::of(LetterRule::Extended);

bool isWordLetter(char c)
{
    return wordLetters.isLetter(c);
}

constexpr std::string_view softHyphen = "\u00AD";
constexpr std::array<std::string_view, 4> lineEndHyphens = {softHyphen, "-", "\u2010", "\u2011"};

// The letters that open a line: the end of a word cut on the line before.
std::string_view wordAtStart(std::string_view line)
{
    return line.substr(
        0, static_cast<std::size_t>(std::find_if_not(line.begin(), line.end(), isWordLetter) - line.begin()));
}

// The letters before the hyphen that ends a line: the start of a cut word.
std::string_view wordBeforeHyphen(std::string_view line)
{
    line.remove_suffix(1);
    return line.substr(
        line.size()
        - static_cast<std::size_t>(std::find_if_not(line.rbegin(), line.rend(), isWordLetter) - line.rbegin()));
}

// Where a line ends on a hyphen between two letters, cutting a word over the next line.
struct CutWord {
    std::size_t hyphenBytes = 0; ///< the hyphen's UTF-8 length; 0 when the line cuts no word
    bool soft = false;
};

// Joins the words hyphenated at line ends and writes each line followed by a line end.
std::string joinLines(const std::vector<std::string_view>& lines)
{
    // The lines in code page 1252, where the program's forms are read.
    std::vector<std::string> encoded;
    encoded.reserve(lines.size());
    for (const std::string_view line : lines)
        encoded.push_back(decodeText(std::string(line), Encoding::Utf8));

    std::vector<CutWord> cuts(lines.size());
    for (std::size_t index = 0; index + 1 < lines.size(); ++index) {
        const std::string& line = encoded[index];
        const std::string& next = encoded[index + 1];
        if (line.size() < 2 || !isWordLetter(line[line.size() - 2]) || next.empty() || !isWordLetter(next.front()))
            continue;
        for (const std::string_view hyphen : lineEndHyphens)
            if (lines[index].ends_with(hyphen))
                cuts[index] = {hyphen.size(), hyphen == softHyphen};
    }

    // The forms the document writes, lower-cased, leaving out the halves of cut words.
    std::unordered_set<std::string> attested;
    for (std::size_t index = 0; index < lines.size(); ++index) {
        std::string_view body = encoded[index];
        if (index > 0 && cuts[index - 1].hyphenBytes > 0)
            body.remove_prefix(wordAtStart(body).size());
        if (cuts[index].hyphenBytes > 0 && !body.empty())
            body.remove_suffix(wordBeforeHyphen(body).size() + 1);
        forEachForm(body, wordLetters, [&](std::string_view form) { attested.insert(wordLetters.lowerCased(form)); });
    }
    const auto joins = [&](std::size_t index) {
        if (cuts[index].soft)
            return true;
        const std::string before = wordLetters.lowerCased(wordBeforeHyphen(encoded[index]));
        const std::string after = wordLetters.lowerCased(wordAtStart(encoded[index + 1]));
        return attested.contains(before + after) && !(attested.contains(before) && attested.contains(after));
    };

    std::string text;
    for (std::size_t index = 0; index < lines.size(); ++index) {
        if (cuts[index].hyphenBytes > 0 && joins(index)) {
            text += lines[index].substr(0, lines[index].size() - cuts[index].hyphenBytes);
        } else {
            text += lines[index];
            text += '\n';
        }
    }
    return text;
}

} // namespace

std::string laidOutText(const std::vector<LaidOutPage>& pages)
{
    const std::vector<std::vector<bool>> running = runningLines(pages);
    std::vector<std::string_view> lines;
    for (std::size_t index = 0; index < pages.size(); ++index)
        for (std::size_t line = 0; line < pages[index].size(); ++line)
            if (!running[index][line])
                lines.emplace_back(pages[index][line].text);
    return joinLines(lines);
}

} // namespace quorvelle
