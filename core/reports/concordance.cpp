// Finding a form's occurrences and their lines in one pass over the text.
#include "core/reports/concordance.h"

#include "core/reports/concordance_context.h"
#include "core/text/collation.h"
#include "core/text/letters.h"
#include "core/text/segmentation.h"
#include "core/text/work_cancellation.h"
#include "core/text/written_text.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <numeric>
#include <tuple>

namespace quorvelle {
namespace {

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

} // namespace

Concordance concordance(std::string_view text, std::string_view form, ConcordanceContext context, LetterRule letters)
{
    const Alphabet& alphabet = Alphabet::of(letters);
    Concordance result;
    result.form = result.written = alphabet.lowerCased(form);
    result.letters = letters;
    result.context = context;
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
    CancellationCountdown countdown;
    forEachForm(text, alphabet, [&](std::string_view written) {
        countdown.countItem();
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
        result.occurrences.push_back(occurrenceLine(text, first, end, recent.front().line, context, alphabet));
    });
    return result;
}

Concordance concordanceOfRuns(std::string_view text, std::span<const FormRun> runs, ConcordanceContext context,
                              LetterRule letters)
{
    Concordance result;
    result.letters = letters;
    result.context = context;
    result.occurrences.reserve(runs.size());
    const Alphabet& alphabet = Alphabet::of(letters);
    // The runs begun and not yet ended, with where they start; as runs that overlap have one
    // length, they end in the order they began.
    struct Begun {
        std::size_t last; // the number of the run's last form
        std::size_t start;
        std::int64_t line;
    };
    std::deque<Begun> begun;
    auto next = runs.begin();
    std::size_t number = 0;
    std::int64_t line = 1;
    std::size_t counted = 0; // where the line ends are counted up to
    CancellationCountdown countdown;
    forEachForm(text, alphabet, [&](std::string_view written) {
        countdown.countItem();
        const std::size_t formNumber = number++;
        if (begun.empty() && (next == runs.end() || formNumber < next->first))
            return;
        const auto start = static_cast<std::size_t>(written.data() - text.data());
        line += lineEnds(text.substr(counted, start - counted));
        counted = start;
        for (; next != runs.end() && next->first == formNumber; ++next)
            begun.push_back({next->first + next->count - 1, start, line});
        while (!begun.empty() && begun.front().last == formNumber) {
            result.occurrences.push_back(occurrenceLine(text, begun.front().start, start + written.size(),
                                                        begun.front().line, context, alphabet));
            begun.pop_front();
        }
    });
    return result;
}

Concordance queryConcordance(std::string_view text, const TokenizedText& tokens, std::span<const FormPattern> patterns,
                             std::string_view query, ConcordanceContext context)
{
    std::vector<FormRun> runs;
    std::map<std::vector<FormTable::Id>, std::int64_t> runCounts;
    forEachMatchingRun(tokens, patterns, [&](std::size_t first, std::span<const FormTable::Id> run) {
        runs.push_back({first, run.size()});
        ++runCounts[{run.begin(), run.end()}];
    });

    Concordance result = concordanceOfRuns(text, runs, context, tokens.letters);
    result.form = result.written = result.query = std::string(query);
    for (const auto& [run, count] : runCounts) {
        std::string joined;
        for (const FormTable::Id id : run)
            joined.append(joined.empty() ? "" : " ").append(tokens.forms.form(id));
        result.matches.push_back({std::move(joined), count});
    }
    std::vector<std::string_view> names(result.matches.size());
    std::ranges::transform(result.matches, names.begin(),
                           [](const FormCount& match) { return std::string_view(match.form); });
    const std::vector<std::size_t> alphabetical = FrenchCollator::instance().order(names);
    std::vector<FormCount> ordered;
    ordered.reserve(alphabetical.size());
    for (const std::size_t place : alphabetical)
        ordered.push_back(std::move(result.matches[place]));
    std::ranges::stable_sort(ordered, std::greater<>(), &FormCount::count);
    result.matches = std::move(ordered);
    return result;
}

Concordance searchConcordance(std::string_view text, const TokenizedText& tokens, std::string_view query,
                              PatternSyntax syntax, ConcordanceContext context)
{
    const std::vector<FormPattern> patterns = formQuery(query, syntax, tokens.letters);
    Concordance found = std::ranges::all_of(patterns, &FormPattern::isPlainForm)
        ? concordance(text, query, context, tokens.letters)
        : queryConcordance(text, tokens, patterns, query, context);
    found.syntax = syntax;
    if (found.occurrences.empty() && !patterns.empty())
        found.closest = closestForms(tokens, patterns.front().letters());
    return found;
}

namespace {

// The letters to add, take away or change to make one form the other.
std::size_t editDistance(std::string_view from, std::string_view to)
{
    std::vector<std::size_t> previous(to.size() + 1);
    std::vector<std::size_t> current(to.size() + 1);
    std::iota(previous.begin(), previous.end(), std::size_t{0});
    for (std::size_t row = 1; row <= from.size(); ++row) {
        current[0] = row;
        for (std::size_t column = 1; column <= to.size(); ++column)
            current[column] = std::min({previous[column] + 1, current[column - 1] + 1,
                                        previous[column - 1] + (from[row - 1] == to[column - 1] ? 0 : 1)});
        std::swap(previous, current);
    }
    return previous[to.size()];
}

} // namespace

std::vector<std::string> closestForms(const TokenizedText& tokens, std::string_view form, std::size_t most)
{
    const std::size_t farthest = std::max<std::size_t>(2, form.size() / 3);
    struct Candidate {
        std::size_t distance;
        std::int64_t count;
        std::uint32_t rank;
        FormTable::Id id;
    };
    std::vector<Candidate> candidates;
    for (FormTable::Id id = 0; id < tokens.forms.size(); ++id) {
        const std::string& candidate = tokens.forms.form(id);
        const std::size_t lengthGap =
            candidate.size() > form.size() ? candidate.size() - form.size() : form.size() - candidate.size();
        if (lengthGap > farthest)
            continue;
        if (const std::size_t distance = editDistance(candidate, form); distance > 0 && distance <= farthest)
            candidates.push_back({distance, tokens.forms.count(id), tokens.rank.at(id), id});
    }
    std::ranges::sort(candidates, [](const Candidate& left, const Candidate& right) {
        return std::tie(left.distance, right.count, left.rank) < std::tie(right.distance, left.count, right.rank);
    });
    std::vector<std::string> closest;
    for (std::size_t place = 0; place < std::min(most, candidates.size()); ++place)
        closest.push_back(tokens.forms.form(candidates[place].id));
    return closest;
}

} // namespace quorvelle
