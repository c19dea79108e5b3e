// Building the attestation frequencies and their deviations.
#include "core/frequency_report.h"

#include "core/count_runs.h"
#include "core/tokenized_text.h"
#include "core/vocabulary_report.h"

namespace quorvelle {

FrequencyReport frequencyReport(std::string_view text)
{
    return frequencyReport(tokenize(text));
}

FrequencyReport frequencyReport(const TokenizedText& text)
{
    TextVocabulary vocabulary = countVocabulary(text);
    FrequencyReport report;
    report.tokenCount = vocabulary.tokenCount;
    report.distinctCount = vocabulary.distinctCount;
    report.meanFrequency = meanFrequency(vocabulary.tokenCount, vocabulary.distinctCount);
    report.spectrum = frequencySpectrum(vocabulary.forms);
    report.byFrequency = sortedByCount(vocabulary.forms, CountOrder::Decreasing);
    // Rows exist only when there are forms, and then the mean is defined.
    for (const CountRun& run : countRuns(report.byFrequency))
        report.rows.push_back({run.count, static_cast<std::int64_t>(run.size),
                               static_cast<double>(run.count) - *report.meanFrequency, run.first});
    report.forms = std::move(vocabulary.forms);
    return report;
}

} // namespace quorvelle
