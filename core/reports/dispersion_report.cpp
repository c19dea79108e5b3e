// Counting a form's occurrences part by part, and the two measures of their spread.
#include "core/reports/dispersion_report.h"

#include "core/text/segmentation.h"
#include "core/text/work_cancellation.h"

#include <algorithm>
#include <cmath>

namespace quorvelle {
namespace {

// The numbers of the searched forms, or nothing when one of them is not in the text.
std::optional<std::vector<FormTable::Id>> searchedIds(const FormTable& forms, const std::vector<std::string>& searched)
{
    std::vector<FormTable::Id> ids;
    for (const std::string& form : searched) {
        const std::optional<FormTable::Id> id = forms.find(form);
        if (!id)
            return std::nullopt;
        ids.push_back(*id);
    }
    return ids;
}

// Where each occurrence of the segment starts, in text order: the last forms met are kept in a
// ring as long as the segment, and compared with it at every form.
std::vector<std::int64_t> segmentStarts(const TokenSequence& tokens, const std::vector<FormTable::Id>& segment)
{
    std::vector<std::int64_t> starts;
    if (segment.empty())
        return starts;
    const std::size_t length = segment.size();
    std::vector<FormTable::Id> recent(length);
    std::size_t position = 0;
    for (const FormTable::Id id : tokens) {
        stopIfCancelledEveryChunk(position);
        recent[position % length] = id;
        ++position;
        if (position < length)
            continue;
        const std::size_t start = position - length;
        bool found = true;
        for (std::size_t offset = 0; offset < length && found; ++offset)
            found = recent[(start + offset) % length] == segment[offset];
        if (found)
            starts.push_back(static_cast<std::int64_t>(start));
    }
    return starts;
}

// The parts' first forms and sizes. Part i starts at ⌊i·N/P⌋ = i·q + ⌊i·r/P⌋ (N = qP + r);
// the remainder i·r mod P is carried from one part to the next, so that no product of two
// counts is formed and none can overflow.
std::vector<DispersionPart> cutIntoParts(std::int64_t formCount, std::int64_t partCount)
{
    std::vector<DispersionPart> parts;
    parts.reserve(static_cast<std::size_t>(partCount));
    const std::int64_t quotient = formCount / partCount, remainder = formCount % partCount;
    std::int64_t carried = 0; // i·r mod P
    std::int64_t start = 0;
    for (std::int64_t part = 0; part < partCount; ++part) {
        const bool longer = carried >= partCount - remainder; // carried + r >= P
        carried = longer ? carried - (partCount - remainder) : carried + remainder;
        const std::int64_t size = quotient + (longer ? 1 : 0);
        parts.push_back({start, size, 0});
        start += size;
    }
    return parts;
}

std::optional<double> juillandD(const std::vector<DispersionPart>& parts, std::int64_t attestations)
{
    if (attestations == 0 || parts.size() < 2)
        return std::nullopt;
    const auto partCount = static_cast<long double>(parts.size());
    const long double mean = static_cast<long double>(attestations) / partCount;
    long double squares = 0;
    for (const DispersionPart& part : parts) {
        const long double deviation = static_cast<long double>(part.attestations) - mean;
        squares += deviation * deviation;
    }
    const long double variation = std::sqrt(squares / partCount) / mean;
    // V reaches √(P − 1) when one part holds every occurrence: D stays within [0, 1] but for
    // rounding.
    return static_cast<double>(std::max(0.0L, 1 - variation / std::sqrt(partCount - 1)));
}

std::optional<double> griesDP(const std::vector<DispersionPart>& parts, std::int64_t attestations,
                              std::int64_t formCount)
{
    // An occurrence makes at least one form, so formCount > 0 too.
    if (attestations == 0)
        return std::nullopt;
    long double sum = 0;
    for (const DispersionPart& part : parts)
        sum += std::abs(static_cast<long double>(part.attestations) / static_cast<long double>(attestations)
                        - static_cast<long double>(part.formCount) / static_cast<long double>(formCount));
    return static_cast<double>(sum / 2);
}

// The dispersion of the runs of forms of text that begin at starts, in text order, over parts
// parts; form names what they are.
DispersionReport dispersionOfRuns(const TokenizedText& text, std::string form, const std::vector<std::int64_t>& starts,
                                  std::int64_t parts)
{
    DispersionReport report;
    report.letters = text.letters;
    report.form = std::move(form);
    report.tokenCount = static_cast<std::int64_t>(text.tokens.size());
    report.parts = cutIntoParts(report.tokenCount, std::max<std::int64_t>(parts, 1));
    report.attestations = static_cast<std::int64_t>(starts.size());
    // Both lists run in text order: one walk through the parts places every start.
    auto part = report.parts.begin();
    for (const std::int64_t start : starts) {
        while (start >= part->firstForm + part->formCount)
            ++part;
        ++part->attestations;
    }
    report.juillandD = juillandD(report.parts, report.attestations);
    report.griesDP = griesDP(report.parts, report.attestations, report.tokenCount);
    return report;
}

// The dispersion of every run of forms that the patterns match in order; form is the query.
DispersionReport queryDispersion(const TokenizedText& text, std::span<const FormPattern> patterns,
                                 std::string_view query, std::int64_t parts)
{
    std::vector<std::int64_t> starts;
    forEachMatchingRun(text, patterns, [&starts](std::size_t first, std::span<const FormTable::Id>) {
        starts.push_back(static_cast<std::int64_t>(first));
    });
    return dispersionOfRuns(text, std::string(query), starts, parts);
}

} // namespace

DispersionReport dispersionReport(const TokenizedText& text, std::string_view form, std::int64_t parts)
{
    const Alphabet& alphabet = Alphabet::of(text.letters);
    std::vector<std::string> searched;
    forEachForm(form, alphabet, [&](std::string_view one) { searched.push_back(alphabet.lowerCased(one)); });
    std::string joined;
    for (const std::string& one : searched)
        joined.append(joined.empty() ? "" : " ").append(one);
    const std::optional<std::vector<FormTable::Id>> ids = searchedIds(text.forms, searched);
    return dispersionOfRuns(text, std::move(joined),
                            ids ? segmentStarts(text.tokens, *ids) : std::vector<std::int64_t>{}, parts);
}

DispersionReport searchDispersion(const TokenizedText& text, const TextQuery& query, std::int64_t parts)
{
    const std::vector<FormPattern> patterns = formQuery(query.words, query.syntax, text.letters);
    return std::ranges::all_of(patterns, &FormPattern::isPlainForm)
        ? dispersionReport(text, query.words, parts)
        : queryDispersion(text, patterns, query.words, parts);
}

DispersionReport dispersionReport(std::string_view text, std::string_view form, std::int64_t parts, LetterRule letters)
{
    return dispersionReport(tokenize(text, Occurrences::Kept, letters), form, parts);
}

} // namespace quorvelle
