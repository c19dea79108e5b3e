// Marking the spans around the pivot in two sweeps, and scoring the forms they hold.
#include "core/reports/collocate_report.h"

#include "core/reports/keyness_scores.h"
#include "core/reports/sentence_report.h"
#include "core/text/encoding.h"
#include "core/text/segmentation.h"
#include "core/text/work_cancellation.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace quorvelle {
namespace {

// What is known of each position of the text, one byte each.
enum PositionFlag : std::uint8_t {
    isPivotFlag = 1,
    startsSentence = 2,
    coveredFromTheLeft = 4, // within the span after an occurrence of the pivot
};

// Flags the first form of every sentence, sentences cut as the sentence lengths cut them.
void flagSentenceStarts(std::string_view text, LetterRule letters, std::vector<std::uint8_t>& flags)
{
    std::size_t position = 0;
    forEachSentence(text, letters, [&](const SentenceRecord& sentence) {
        if (sentence.formCount > 0 && position < flags.size())
            flags[position] |= startsSentence;
        position += static_cast<std::size_t>(sentence.formCount);
    });
}

struct Scored {
    FormTable::Id id;
    std::int64_t count;
    double score;
};

} // namespace

namespace {

// Counts and scores the forms in the spans around the positions isPivot(position, form) picks.
template <typename IsPivot>
void findCollocates(std::string_view text, const TokenizedText& tokens, CollocateReport& report, IsPivot isPivot)
{
    const CollocateOptions& options = report.options;
    const std::int64_t span = std::max<std::int64_t>(options.span, 0);

    // Forwards, each position within span forms after an occurrence of the pivot, in its
    // sentence, is flagged; backwards, those within span forms before one are found, and every
    // position covered either way is counted once. Linear whatever the span and however the
    // spans overlap.
    std::vector<std::uint8_t> flags(tokens.tokens.size(), 0);
    if (options.withinSentence)
        flagSentenceStarts(text, tokens.letters, flags);
    std::int64_t remaining = 0; // forms the span of the nearest occurrence still covers
    std::size_t position = 0;
    for (const FormTable::Id id : tokens.tokens) {
        stopIfCancelledEveryChunk(position);
        std::uint8_t& flag = flags[position];
        if (flag & startsSentence)
            remaining = 0;
        if (isPivot(position, id)) {
            flag |= isPivotFlag;
            remaining = span;
        } else if (remaining > 0) {
            flag |= coveredFromTheLeft;
            --remaining;
        }
        ++position;
    }
    std::vector<std::int64_t> counts(tokens.distinctCount(), 0);
    remaining = 0;
    for (auto token = tokens.tokens.end(); token != tokens.tokens.begin();) {
        const FormTable::Id id = *--token;
        const std::uint8_t flag = flags[--position];
        stopIfCancelledEveryChunk(position);
        if (flag & isPivotFlag) {
            remaining = span;
        } else {
            const bool coveredFromTheRight = remaining > 0;
            if (coveredFromTheRight)
                --remaining;
            if (coveredFromTheRight || (flag & coveredFromTheLeft)) {
                ++report.spanForms;
                ++counts[id];
            }
        }
        if (flag & startsSentence)
            remaining = 0; // the forms before belong to the previous sentence
    }

    std::vector<Scored> scored;
    for (FormTable::Id id = 0; id < counts.size(); ++id) {
        if (counts[id] == 0)
            continue;
        scored.push_back(
            {id, counts[id],
             specificity(drawAroundPivot(counts[id], tokens.forms.count(id), report.spanForms, report.tokenCount))});
    }
    std::ranges::sort(scored, [&tokens](const Scored& left, const Scored& right) {
        if (left.score != right.score)
            return left.score > right.score;
        if (left.count != right.count)
            return left.count > right.count;
        return tokens.rank[left.id] < tokens.rank[right.id];
    });
    report.collocates.reserve(scored.size());
    for (const Scored& form : scored)
        report.collocates.push_back({tokens.forms.form(form.id), form.count, tokens.forms.count(form.id), form.score});
}

} // namespace

CollocateReport collocateReport(std::string_view text, const TokenizedText& tokens, std::string_view pivot,
                                const CollocateOptions& options)
{
    const Alphabet& alphabet = Alphabet::of(tokens.letters);
    std::vector<std::string> pivotForms;
    forEachForm(pivot, alphabet, [&](std::string_view form) { pivotForms.push_back(alphabet.lowerCased(form)); });
    CollocateReport report;
    report.letters = tokens.letters;
    report.pivot = pivotForms.size() == 1 ? pivotForms.front() : alphabet.lowerCased(pivot);
    report.options = options;
    report.tokenCount = static_cast<std::int64_t>(tokens.tokens.size());
    const std::optional<FormTable::Id> pivotId =
        pivotForms.size() == 1 ? tokens.forms.find(pivotForms.front()) : std::nullopt;
    if (!pivotId)
        return report;
    report.pivotAttestations = tokens.forms.count(*pivotId);
    findCollocates(text, tokens, report, [pivot = *pivotId](std::size_t, FormTable::Id id) { return id == pivot; });
    return report;
}

CollocateReport collocateReportAt(std::string_view text, const TokenizedText& tokens, std::string pivot,
                                  const std::vector<bool>& pivotAt, const CollocateOptions& options)
{
    CollocateReport report;
    report.letters = tokens.letters;
    report.pivot = std::move(pivot);
    report.options = options;
    report.tokenCount = static_cast<std::int64_t>(tokens.tokens.size());
    report.pivotAttestations = std::ranges::count(pivotAt, true);
    findCollocates(text, tokens, report, [&pivotAt](std::size_t position, FormTable::Id) {
        return position < pivotAt.size() && pivotAt[position];
    });
    return report;
}

// specificity draws n1 forms without replacement from n1 + n2, f1 + f2 of which are the form,
// and scores f1 of them drawn: exactly t forms drawn from the text's N, F of which are this
// form, c of them drawn.
FormInTwoTexts drawAroundPivot(std::int64_t count, std::int64_t attestations, std::int64_t spanForms,
                               std::int64_t tokenCount)
{
    return {count, attestations - count, spanForms, tokenCount - spanForms};
}

CollocateReport collocateReport(std::string_view text, std::string_view pivot, const CollocateOptions& options,
                                LetterRule letters)
{
    return collocateReport(text, tokenize(text, Occurrences::Kept, letters), pivot, options);
}

CollocateReport searchCollocates(std::string_view text, const TokenizedText& tokens, const TextQuery& query,
                                 const CollocateOptions& options)
{
    const std::vector<FormPattern> patterns = formQuery(query.words, query.syntax, tokens.letters);
    if (patterns.size() != 1)
        throw PatternError("les cooccurrents se cherchent autour d'une seule forme, et non de « "
                           + cp1252ToUtf8(query.words) + " ».");
    if (patterns.front().isPlainForm())
        return collocateReport(text, tokens, query.words, options);
    const std::vector<bool> matching = formsMatching(tokens.forms, patterns.front());
    std::vector<bool> pivotAt;
    pivotAt.reserve(tokens.tokens.size());
    for (const FormTable::Id id : tokens.tokens)
        pivotAt.push_back(matching[id]);
    return collocateReportAt(text, tokens, query.words, pivotAt, options);
}

std::vector<std::size_t> shownCollocates(const CollocateReport& report, const CollocateThresholds& thresholds)
{
    std::vector<std::size_t> shown;
    for (std::size_t place = 0; place < report.collocates.size(); ++place) {
        const Collocate& collocate = report.collocates[place];
        if (collocate.count >= thresholds.minCount && collocate.score >= thresholds.minScore)
            shown.push_back(place);
    }
    return shown;
}

} // namespace quorvelle
