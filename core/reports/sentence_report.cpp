// The sentences of a text, kept or only counted.
#include "core/reports/sentence_report.h"

#include "core/reports/rounding.h"

#include <algorithm>

namespace quorvelle {
namespace {

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
    return !text.empty() && isSentenceTerminator(text.back()) ? text.substr(text.size() - 1) : std::string_view();
}

std::string_view sentenceAround(std::string_view text, std::size_t start, std::size_t end, std::size_t reach)
{
    std::size_t begin = start;
    while (begin > 0 && start - begin < reach && !isSentenceTerminator(text[begin - 1]))
        --begin;
    std::size_t finish = end;
    while (finish < text.size() && finish - end < reach)
        if (isSentenceTerminator(text[finish++]))
            break;
    constexpr std::string_view blanks = " \t\r\n";
    const std::string_view sentence = text.substr(begin, finish - begin);
    const std::size_t first = sentence.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return sentence.substr(0, 0);
    return sentence.substr(first, sentence.find_last_not_of(blanks) + 1 - first);
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
    std::size_t terminators = 0;
    forEachChunkUnlessCancelled(text.size(), [&](std::size_t begin, std::size_t end) {
        terminators += static_cast<std::size_t>(std::count_if(text.begin() + static_cast<std::ptrdiff_t>(begin),
                                                              text.begin() + static_cast<std::ptrdiff_t>(end),
                                                              isSentenceTerminator));
    });
    report.sentences.reserve(terminators + 1);
    forEachSentence(text, letters, [&report](const SentenceRecord& sentence) {
        report.sentences.push_back(sentence);
        addSentence(report, sentence);
    });
    computeMean(report);
    return report;
}

} // namespace quorvelle
