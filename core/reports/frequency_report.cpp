// Building the attestation frequencies and their deviations.
#include "core/reports/frequency_report.h"

#include "core/reports/vocabulary_report.h"
#include "core/text/count_runs.h"
#include "core/text/tokenized_text.h"

namespace quorvelle {

FrequencyReport frequencyReport(std::string_view text)
{
    return frequencyReport(tokenize(text, Occurrences::Counted));
}

FrequencyReport frequencyReport(const TokenizedText& text)
{
    // The vocabulary list holds the totals, the mean and both orders of the forms; the
    // decreasing order, grouped by number of attestations, gives the rows.
    VocabularyReport vocabulary = vocabularyReport(text);
    FrequencyReport report;
    report.tokenCount = vocabulary.tokenCount;
    report.distinctCount = vocabulary.distinctCount;
    report.meanFrequency = vocabulary.meanFrequency;
    report.spectrum = frequencySpectrum(vocabulary.alphabetical);
    report.forms = std::move(vocabulary.alphabetical);
    report.byFrequency = std::move(vocabulary.byFrequency);
    // Rows exist only when there are forms, and then the mean is defined.
    for (const CountRun& run : countRuns(report.byFrequency))
        report.rows.push_back({run.count, static_cast<std::int64_t>(run.size),
                               static_cast<double>(run.count) - *report.meanFrequency, run.first});
    return report;
}

} // namespace quorvelle
