// Finding a form's occurrences and their lines in one pass over the text.
#include "core/reports/concordance.h"

#include "core/text/collation.h"
#include "core/text/letters.h"
#include "core/text/segmentation.h"
#include "core/text/written_text.h"

#include <algorithm>
#include <numeric>

namespace quorvelle {
namespace {

// The context with each of its line ends (CR LF counted as one) as lineEndMark.
std::string shownContext(std::string_view context)
{
    std::string shown;
    shown.reserve(context.size());
    for (std::size_t index = 0; index < context.size(); ++index) {
        const char c = context[index];
        if (c == '\r' && index + 1 < context.size() && context[index + 1] == '\n')
            continue; // the LF that follows is the mark
        shown += c == '\r' || c == '\n' ? lineEndMark : c;
    }
    return shown;
}

bool sameForm(std::string_view written, std::string_view lower, const Alphabet& alphabet)
{
    return written.size() == lower.size()
        && std::equal(written.begin(), written.end(), lower.begin(),
                      [&](char writtenChar, char lowerChar) { return alphabet.toLower(writtenChar) == lowerChar; });
}

// The line ends of text: CR LF counts as one, as CR and LF alone do.
std::int64_t lineEnds(std::string_view text)
{
    std::int64_t count = 0;
    for (std::size_t index = 0; index < text.size(); ++index)
        if (text[index] == '\n' || (text[index] == '\r' && !(index + 1 < text.size() && text[index + 1] == '\n')))
            ++count;
    return count;
}

// The line of an occurrence from first to end in text, with its contexts.
ConcordanceLine lineOf(std::string_view text, std::size_t first, std::size_t end, std::int64_t line, std::size_t width)
{
    const std::size_t leftStart = first > width ? first - width : 0;
    return {line, shownContext(text.substr(leftStart, first - leftStart)),
            shownContext(text.substr(first, end - first)), shownContext(text.substr(end, width))};
}

} // namespace

Concordance concordance(std::string_view text, std::string_view form, std::size_t width, LetterRule letters)
{
    const Alphabet& alphabet = Alphabet::of(letters);
    Concordance result{alphabet.lowerCased(form), alphabet.lowerCased(form), {}, letters, {}};
    std::vector<std::string_view> wanted;
    forEachForm(result.form, alphabet, [&wanted](std::string_view one) { wanted.push_back(one); });
    if (wanted.empty())
        return result;

    // The last forms met, as many as are wanted, oldest first.
    struct Met {
        std::string_view written;
        std::int64_t line;
    };
    std::vector<Met> recent;
    std::int64_t line = 1;
    std::size_t counted = 0; // where the line ends are counted up to: forms hold none
    forEachForm(text, alphabet, [&](std::string_view written) {
        const auto start = static_cast<std::size_t>(written.data() - text.data());
        line += lineEnds(text.substr(counted, start - counted));
        counted = start;
        if (recent.size() == wanted.size())
            recent.erase(recent.begin());
        recent.push_back({written, line});
        if (recent.size() < wanted.size())
            return;
        for (std::size_t position = 0; position < wanted.size(); ++position)
            if (!sameForm(recent[position].written, wanted[position], alphabet))
                return;
        // From the first wanted form to the last, with what separates them as written.
        const auto first = static_cast<std::size_t>(recent.front().written.data() - text.data());
        const std::size_t end = start + written.size();
        if (result.occurrences.empty())
            result.written = writtenInLowerCase(text.substr(first, end - first), letters);
        result.occurrences.push_back(lineOf(text, first, end, recent.front().line, width));
    });
    return result;
}

Concordance concordanceOfRuns(std::string_view text, std::span<const FormRun> runs, std::size_t width,
                              LetterRule letters)
{
    Concordance result{{}, {}, {}, letters, {}};
    result.occurrences.reserve(runs.size());
    const Alphabet& alphabet = Alphabet::of(letters);
    auto run = runs.begin();
    std::size_t number = 0;
    std::size_t runStart = 0;
    std::int64_t runLine = 1;
    std::int64_t line = 1;
    std::size_t counted = 0; // where the line ends are counted up to
    forEachForm(text, alphabet, [&](std::string_view written) {
        const std::size_t formNumber = number++;
        if (run == runs.end() || formNumber < run->first)
            return;
        const auto start = static_cast<std::size_t>(written.data() - text.data());
        line += lineEnds(text.substr(counted, start - counted));
        counted = start;
        if (formNumber == run->first) {
            runStart = start;
            runLine = line;
        }
        if (formNumber + 1 == run->first + run->count) {
            result.occurrences.push_back(lineOf(text, runStart, start + written.size(), runLine, width));
            ++run;
        }
    });
    return result;
}

namespace {

// The last form of a left context, or the first of a right one, lower-cased; empty when the
// context holds none.
std::string neighbouringForm(std::string_view context, bool last, const Alphabet& alphabet)
{
    std::string_view found;
    forEachForm(context, alphabet, [&](std::string_view form) {
        if (last || found.empty())
            found = form;
    });
    return alphabet.lowerCased(found);
}

} // namespace

std::vector<std::size_t> concordanceOrder(const Concordance& concordance, ConcordanceOrder order)
{
    std::vector<std::size_t> places(concordance.occurrences.size());
    std::iota(places.begin(), places.end(), std::size_t{0});
    if (order == ConcordanceOrder::Position)
        return places;
    const Alphabet& alphabet = Alphabet::of(concordance.letters);
    std::vector<std::string> words;
    words.reserve(places.size());
    for (const ConcordanceLine& occurrence : concordance.occurrences)
        words.push_back(order == ConcordanceOrder::LeftWord ? neighbouringForm(occurrence.left, true, alphabet)
                                                            : neighbouringForm(occurrence.right, false, alphabet));
    // Each occurrence ranks as its word does among the words in alphabetical order.
    const std::vector<std::size_t> alphabetical = FrenchCollator::instance().order({words.begin(), words.end()});
    std::vector<std::size_t> rank(words.size());
    for (std::size_t position = 0; position < alphabetical.size(); ++position) {
        const std::size_t word = alphabetical[position];
        const bool sameAsPrevious = position > 0 && words[alphabetical[position - 1]] == words[word];
        rank[word] = sameAsPrevious ? rank[alphabetical[position - 1]] : position;
    }
    std::ranges::stable_sort(places, {}, [&rank](std::size_t place) { return rank[place]; });
    return places;
}

} // namespace quorvelle
