// Building the vocabulary list.
#include "core/reports/vocabulary_report.h"

#include "core/reports/rounding.h"
#include "core/text/count_runs.h"
#include "core/text/tokenized_text.h"

namespace quorvelle {

std::optional<double> meanFrequency(std::int64_t tokenCount, std::int64_t distinctCount)
{
    if (distinctCount == 0)
        return std::nullopt;
    return roundHalfEven(static_cast<double>(tokenCount) / static_cast<double>(distinctCount), 1);
}

VocabularyReport vocabularyReport(std::string_view text)
{
    return vocabularyReport(tokenize(text));
}

VocabularyReport vocabularyReport(const TokenizedText& text)
{
    TextVocabulary vocabulary = countVocabulary(text);
    VocabularyReport report;
    report.tokenCount = vocabulary.tokenCount;
    report.distinctCount = vocabulary.distinctCount;
    report.meanFrequency = meanFrequency(vocabulary.tokenCount, vocabulary.distinctCount);
    report.byFrequency = sortedByCount(vocabulary.forms, CountOrder::Decreasing);
    report.alphabetical = std::move(vocabulary.forms);
    return report;
}

} // namespace quorvelle
