// Scoring every form of two texts, then ranking them.
#include "core/reports/specificity_report.h"

#include "core/reports/keyness_scores.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace quorvelle {

SpecificityReport specificityReport(VocabularyComparison comparison)
{
    SpecificityReport report;
    report.n1 = comparison.text1.tokenCount;
    report.n2 = comparison.text2.tokenCount;
    // Alphabetical first, so that the stable sort leaves forms of equal specificity in
    // alphabetical order without collating them again.
    std::vector<CommonForm> forms = formsOfEitherText(comparison);
    comparison = {};
    report.forms.reserve(forms.size());
    for (CommonForm& form : forms) {
        const FormInTwoTexts counts{form.count1, form.count2, report.n1, report.n2};
        report.forms.push_back({std::move(form.form), report.forms.size(), form.count1, form.count2,
                                per10000(form.count1, report.n1), per10000(form.count2, report.n2), specificity(counts),
                                logLikelihood(counts), logRatio(counts)});
    }
    std::ranges::stable_sort(report.forms, std::ranges::greater(), &SpecificForm::specificity);
    return report;
}

bool SpecificityReport::isSpecific(const SpecificForm& form) const
{
    return std::abs(form.specificity) >= threshold;
}

std::int64_t SpecificityReport::overUsedIn1() const
{
    return std::ranges::count_if(forms, [this](const SpecificForm& form) { return form.specificity >= threshold; });
}

std::int64_t SpecificityReport::overUsedIn2() const
{
    return std::ranges::count_if(forms, [this](const SpecificForm& form) { return form.specificity <= -threshold; });
}

std::vector<std::size_t> SpecificityReport::extremes(std::size_t perSide) const
{
    // The forms are by specificity decreasing: those over-used in text 1 come first, those
    // over-used in text 2 last.
    std::vector<std::size_t> places(std::min(static_cast<std::size_t>(overUsedIn1()), perSide));
    std::iota(places.begin(), places.end(), std::size_t{0});
    const std::size_t inText2 = std::min(static_cast<std::size_t>(overUsedIn2()), perSide);
    for (std::size_t place = std::max(places.size(), forms.size() - inText2); place < forms.size(); ++place)
        places.push_back(place);
    return places;
}

} // namespace quorvelle
