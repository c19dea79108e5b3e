// Ranking the forms and fitting the line of Zipf's law.
#include "core/reports/zipf_report.h"

#include "core/text/count_runs.h"

#include <algorithm>
#include <cmath>

namespace quorvelle {
namespace {

// Below this share of the spread of y, what the line leaves of it is rounding.
constexpr long double roundingShare = 1e-12L;

// Least squares in two passes, the means first, then the sums of products of deviations from
// them, in long double: summing squares of raw values and subtracting would lose most digits
// when the points lie close together.
std::optional<ZipfFit> fitLine(const std::vector<ZipfRow>& rows)
{
    if (rows.size() < 2)
        return std::nullopt;
    const auto count = static_cast<long double>(rows.size());
    std::vector<long double> x, y;
    x.reserve(rows.size());
    y.reserve(rows.size());
    long double sumX = 0, sumY = 0;
    for (const ZipfRow& row : rows) {
        x.push_back(std::log10(static_cast<long double>(row.rank)));
        y.push_back(std::log10(static_cast<long double>(row.attestations)));
        sumX += x.back();
        sumY += y.back();
    }
    const long double meanX = sumX / count, meanY = sumY / count;
    long double sxx = 0, sxy = 0, syy = 0;
    for (std::size_t point = 0; point < rows.size(); ++point) {
        const long double dx = x[point] - meanX, dy = y[point] - meanY;
        sxx += dx * dx;
        sxy += dx * dy;
        syy += dy * dy;
    }
    // Ranks 1 and 2 at least: log10 r varies and sxx > 0.
    const long double slope = sxy / sxx;
    // What the line leaves of the spread of y: none when the points lie on it, but for a speck of
    // rounding, which is dropped.
    const long double left = syy - slope * sxy;
    const long double residuals = left > syy * roundingShare ? left : 0;
    ZipfFit fit{static_cast<double>(meanY - slope * meanX),
                static_cast<double>(slope),
                std::nullopt,
                {static_cast<double>(sumX), static_cast<double>(sumY), static_cast<double>(sxx),
                 static_cast<double>(sxy), static_cast<double>(syy), static_cast<double>(residuals)}};
    // Equal attestations are told from the integers, where rounding cannot leave a speck of
    // spread; syy > 0 also guards two counts too large for long double to tell their logs apart.
    const bool allEqual = rows.front().attestations == rows.back().attestations;
    // Never above 1 but for rounding, when the points lie on the line.
    if (!allEqual && syy > 0)
        fit.determination = static_cast<double>(std::min(1.0L, sxy * sxy / (sxx * syy)));
    return fit;
}

} // namespace

ZipfReport zipfReport(std::string_view text)
{
    return zipfReport(tokenize(text, Occurrences::Counted));
}

ZipfReport zipfReport(const TokenizedText& text)
{
    ZipfReport report;
    report.tokenCount = text.tokenCount();
    std::vector<FormCount> ranked = sortedByCount(countVocabulary(text).forms, CountOrder::Decreasing);
    report.rows.reserve(ranked.size());
    std::int64_t rank = 0;
    for (FormCount& form : ranked)
        report.rows.push_back({++rank, std::move(form.form), form.count});
    report.fit = fitLine(report.rows);
    return report;
}

} // namespace quorvelle
