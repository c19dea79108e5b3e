// The sentences of a text, kept or only counted.
#include "core/reports/sentence_report.h"

#include "core/reports/rounding.h"

#include <algorithm>

namespace quorvelle {
namespace {

constexpr bool isTerminator(char c)
{
    return c == '.' || c == '?' || c == '!';
}

void addSentence(SentenceTotals& totals, const SentenceRecord& sentence)
{
    ++totals.sentenceCount;
    totals.tokenCount += sentence.formCount;
}

void computeMean(SentenceTotals& totals)
{
    if (totals.sentenceCount > 0)
        totals.meanLength =
            roundHalfEven(static_cast<double>(totals.tokenCount) / static_cast<double>(totals.sentenceCount),
                          meanSentenceLengthDecimals);
}

} // namespace

std::string_view SentenceRecord::terminator() const
{
    return !text.empty() && isTerminator(text.back()) ? text.substr(text.size() - 1) : std::string_view();
}

SentenceTotals sentenceTotals(std::string_view text, LetterRule letters)
{
    SentenceTotals totals;
    forEachSentence(text, letters, [&totals](const SentenceRecord& sentence) { addSentence(totals, sentence); });
    computeMean(totals);
    return totals;
}

SentenceReport sentenceReport(std::string_view text, LetterRule letters)
{
    SentenceReport report;
    // Reserved exactly (every terminator closes a sentence, and the end of the text may
    // close one more): a growing vector would briefly hold its records twice.
    report.sentences.reserve(static_cast<std::size_t>(std::count_if(text.begin(), text.end(), isTerminator)) + 1);
    forEachSentence(text, letters, [&report](const SentenceRecord& sentence) {
        report.sentences.push_back(sentence);
        addSentence(report, sentence);
    });
    computeMean(report);
    return report;
}

} // namespace quorvelle
