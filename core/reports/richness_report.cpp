// Richness measures: counts over the frequency spectrum, and two passes over the forms in
// order for the measures that follow the text.
#include "core/reports/richness_report.h"

#include "core/text/tokenized_text.h"

#include <cmath>
#include <iterator>
#include <vector>

namespace quorvelle {
namespace {

// The mean V / N of the windows of mattrWindow consecutive forms, one window after another,
// each counted from the previous one.
std::optional<double> movingAverageTtr(const TokenSequence& forms, std::size_t distinct)
{
    const auto window = static_cast<std::size_t>(mattrWindow);
    if (forms.size() < window)
        return std::nullopt;
    std::vector<std::int64_t> inWindow(distinct, 0);
    std::int64_t types = 0;
    auto entering = forms.begin();
    for (std::size_t index = 0; index < window; ++index, ++entering)
        types += inWindow[*entering]++ == 0 ? 1 : 0;
    double sum = static_cast<double>(types);
    for (auto leaving = forms.begin(); entering != forms.end(); ++entering, ++leaving) {
        types -= --inWindow[*leaving] == 0 ? 1 : 0;
        types += inWindow[*entering]++ == 0 ? 1 : 0;
        sum += static_cast<double>(types);
    }
    const auto windows = static_cast<double>(forms.size() - window + 1);
    return sum / windows / static_cast<double>(window);
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
    for (Iterator form = begin; form != end; ++form) {
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

std::optional<double> mtld(const TokenSequence& forms, std::size_t distinct)
{
    if (forms.size() < static_cast<std::size_t>(mattrWindow))
        return std::nullopt;
    const double forwards = mtldFactors(forms.begin(), forms.end(), distinct);
    const double backwards =
        mtldFactors(std::make_reverse_iterator(forms.end()), std::make_reverse_iterator(forms.begin()), distinct);
    if (forwards <= 0 || backwards <= 0)
        return std::nullopt;
    const auto n = static_cast<double>(forms.size());
    return (n / forwards + n / backwards) / 2;
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
    double sumOfSquares = 0; // Σ i² V(i), the sum over the forms of their count squared
    double sumOfPairs = 0;   // Σ V(i) i (i − 1)
    for (FormTable::Id id = 0; id < text.distinctCount(); ++id) {
        const auto count = static_cast<double>(text.forms.count(id));
        report.hapaxCount += text.forms.count(id) == 1 ? 1 : 0;
        sumOfSquares += count * count;
        sumOfPairs += count * (count - 1);
    }
    if (report.tokenCount == 0)
        return report;

    const auto n = static_cast<double>(report.tokenCount);
    const auto v = static_cast<double>(report.distinctCount);
    const auto v1 = static_cast<double>(report.hapaxCount);
    report.ttr = v / n;
    report.guiraud = v / std::sqrt(n);
    if (report.tokenCount > 1) {
        report.herdan = std::log(v) / std::log(n);
        report.simpsonD = sumOfPairs / (n * (n - 1));
    }
    report.yuleK = 1e4 * (sumOfSquares - n) / (n * n);
    if (report.hapaxCount < report.distinctCount)
        report.honoreR = 100 * std::log(n) / (1 - v1 / v);
    report.hapaxPerForm = v1 / v;
    report.hapaxPerToken = v1 / n;
    report.mattr = movingAverageTtr(text.tokens, text.distinctCount());
    report.mtld = mtld(text.tokens, text.distinctCount());
    return report;
}

} // namespace quorvelle
