// Lists without their function words.
#include "core/reports/without_function_words.h"

#include <vector>

namespace quorvelle {
namespace {

// Leaves out of rows those whose form is one of words.
template <class Row>
void eraseFunctionWords(std::vector<Row>& rows, const FunctionWords& words)
{
    if (!words.empty())
        std::erase_if(rows, [&](const Row& row) { return words.contains(row.form); });
}

} // namespace

VocabularyReport withoutFunctionWords(VocabularyReport report, const FunctionWords& words)
{
    eraseFunctionWords(report.alphabetical, words);
    eraseFunctionWords(report.byFrequency, words);
    return report;
}

RepeatedSegmentsReport withoutFunctionWords(RepeatedSegmentsReport report, const FunctionWords& words)
{
    if (!words.empty())
        std::erase_if(report.segments,
                      [&](const RepeatedSegment& segment) { return words.containsEach(segment.forms); });
    return report;
}

SpecificityReport withoutFunctionWords(SpecificityReport report, const FunctionWords& words)
{
    eraseFunctionWords(report.forms, words);
    return report;
}

CollocateReport withoutFunctionWords(CollocateReport report, const FunctionWords& words)
{
    eraseFunctionWords(report.collocates, words);
    return report;
}

} // namespace quorvelle
