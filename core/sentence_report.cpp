// Cutting a text into sentences in one pass over its characters.
#include "core/sentence_report.h"

#include "core/letters.h"
#include "core/number_format.h"

#include <algorithm>

namespace quorvelle {
namespace {

constexpr int meanLengthDecimals = 2;

constexpr bool isTerminator(char c)
{
    return c == '.' || c == '?' || c == '!';
}

} // namespace

SentenceReport sentenceReport(std::string_view text)
{
    SentenceReport report;
    // Reserved exactly (every terminator closes a sentence, and the end of the text may
    // close one more): a growing vector would briefly hold its records twice.
    report.sentences.reserve(static_cast<std::size_t>(std::count_if(text.begin(), text.end(), isTerminator)) + 1);
    std::size_t sentenceStart = 0;
    std::int64_t formCount = 0;
    bool inForm = false;    // the previous character was a letter
    bool sawLetter = false; // a letter came since the sentence started
    auto closeSentence = [&](std::size_t end, std::string_view terminator) {
        report.sentences.push_back({static_cast<std::int64_t>(report.sentences.size()) + 1, terminator, formCount,
                                    text.substr(sentenceStart, end - sentenceStart)});
        report.tokenCount += formCount;
        sentenceStart = end;
        formCount = 0;
        sawLetter = false;
    };

    for (std::size_t index = 0; index < text.size(); ++index) {
        const char c = text[index];
        if (isLetter(c)) {
            inForm = true;
            sawLetter = true;
            continue;
        }
        if (inForm)
            ++formCount;
        inForm = false;
        if (isTerminator(c))
            closeSentence(index + 1, text.substr(index, 1));
    }
    // A run of letters that reaches the end of the text is a form like any other.
    if (inForm)
        ++formCount;
    if (sawLetter)
        closeSentence(text.size(), {});

    report.sentenceCount = static_cast<std::int64_t>(report.sentences.size());
    if (report.sentenceCount > 0)
        report.meanLength = roundHalfEven(static_cast<double>(report.tokenCount)
                                              / static_cast<double>(report.sentenceCount),
                                          meanLengthDecimals);
    return report;
}

} // namespace quorvelle
