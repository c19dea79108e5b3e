// Richness measures: counts over the frequency spectrum, and two passes over the forms in
// order for the measures that follow the text.
#include "core/reports/richness_report.h"

#include "core/reports/portable_math.h"
#include "core/text/tokenized_text.h"
#include "core/text/work_cancellation.h"

#include <cmath>
#include <iterator>
#include <vector>

namespace quorvelle {
namespace {

// The sum of the V of the windows of mattrWindow consecutive forms, one window after another,
// each counted from the previous one.
std::int64_t windowDistinctSum(const TokenSequence& forms, std::size_t distinct)
{
    const auto window = static_cast<std::size_t>(mattrWindow);
    std::vector<std::int64_t> inWindow(distinct, 0);
    std::int64_t types = 0;
    auto entering = forms.begin();
    for (std::size_t index = 0; index < window; ++index, ++entering)
        types += inWindow[*entering]++ == 0 ? 1 : 0;
    std::int64_t sum = types;
    CancellationCountdown countdown;
    for (auto leaving = forms.begin(); entering != forms.end(); ++entering, ++leaving) {
        countdown.countItem();
        types -= --inWindow[*leaving] == 0 ? 1 : 0;
        types += inWindow[*entering]++ == 0 ? 1 : 0;
        sum += types;
    }
    return sum;
}

// MTLD's factors read in one direction: a factor ends after the form that brings the ratio
// of distinct forms to forms since the last end to mtldThreshold or below; the forms left at
// the end count as the share of a factor their ratio has covered.
template <class Iterator>
double mtldFactors(Iterator begin, Iterator end, std::size_t distinct)
{
    std::vector<std::int64_t> lastSeenInFactor(distinct, -1);
    std::int64_t factor = 0;
    double factors = 0;
    std::int64_t types = 0;
    std::int64_t tokens = 0;
    CancellationCountdown countdown;
    for (Iterator form = begin; form != end; ++form) {
        countdown.countItem();
        ++tokens;
        if (lastSeenInFactor[*form] != factor) {
            lastSeenInFactor[*form] = factor;
            ++types;
        }
        if (static_cast<double>(types) / static_cast<double>(tokens) <= mtldThreshold) {
            factors += 1;
            ++factor;
            types = 0;
            tokens = 0;
        }
    }
    if (tokens > 0)
        factors += (1 - static_cast<double>(types) / static_cast<double>(tokens)) / (1 - mtldThreshold);
    return factors;
}

// MATTR and MTLD, which read the forms in order, on a text of at least mattrWindow forms.
void addMovingMeasures(RichnessReport& report, const TokenSequence& forms, std::size_t distinct)
{
    const auto n = static_cast<double>(forms.size());
    const auto windows = static_cast<double>(forms.size() - static_cast<std::size_t>(mattrWindow) + 1);
    report.windowDistinctSum = windowDistinctSum(forms, distinct);
    report.mattr = static_cast<double>(report.windowDistinctSum) / windows / static_cast<double>(mattrWindow);
    report.mtldForwardFactors = mtldFactors(forms.begin(), forms.end(), distinct);
    report.mtldBackwardFactors =
        mtldFactors(std::make_reverse_iterator(forms.end()), std::make_reverse_iterator(forms.begin()), distinct);
    if (report.mtldForwardFactors > 0 && report.mtldBackwardFactors > 0)
        report.mtld = (n / report.mtldForwardFactors + n / report.mtldBackwardFactors) / 2;
}

} // namespace

RichnessReport richnessReport(std::string_view text)
{
    return richnessReport(tokenize(text));
}

RichnessReport richnessReport(const TokenizedText& text)
{
    RichnessReport report;
    report.tokenCount = text.tokenCount();
    report.distinctCount = static_cast<std::int64_t>(text.distinctCount());
    for (FormTable::Id id = 0; id < text.distinctCount(); ++id) {
        const std::int64_t count = text.forms.count(id);
        report.hapaxCount += count == 1 ? 1 : 0;
        report.squaredCountSum += count * count;
    }
    if (report.tokenCount == 0)
        return report;

    const auto n = static_cast<double>(report.tokenCount);
    const auto v = static_cast<double>(report.distinctCount);
    const auto v1 = static_cast<double>(report.hapaxCount);
    const auto squares = static_cast<double>(report.squaredCountSum);
    report.ttr = v / n;
    report.guiraud = v / std::sqrt(n);
    if (report.tokenCount > 1) {
        report.herdan = portable::log(v) / portable::log(n);
        report.simpsonD = (squares - n) / (n * (n - 1));
    }
    report.yuleK = 1e4 * (squares - n) / (n * n);
    if (report.hapaxCount < report.distinctCount)
        report.honoreR = 100 * portable::log(n) / (1 - v1 / v);
    report.hapaxPerForm = v1 / v;
    report.hapaxPerToken = v1 / n;
    if (text.tokens.size() >= static_cast<std::size_t>(mattrWindow))
        addMovingMeasures(report, text.tokens, text.distinctCount());
    return report;
}

} // namespace quorvelle
