// Scoring every form of two texts, then ranking them.
#include "core/reports/specificity_report.h"

#include "core/reports/keyness_scores.h"
#include "core/text/collation.h"
#include "core/text/work_cancellation.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace quorvelle {

SpecificityReport specificityReport(const TokenizedText& text1, const TokenizedText& text2)
{
    SpecificityReport report;
    report.n1 = text1.tokenCount();
    report.n2 = text2.tokenCount();
    const auto add = [&report](const std::string& form, std::int64_t f1, std::int64_t f2) {
        stopIfCancelled(); // once a form: a hypergeometric tail takes microseconds to sum
        const FormInTwoTexts counts{f1, f2, report.n1, report.n2};
        report.forms.push_back({form, report.forms.size(), f1, f2, per10000(f1, report.n1), per10000(f2, report.n2),
                                specificity(counts), logLikelihood(counts), logRatio(counts)});
    };

    // The attestations in text 2 of each form of text 1, and the forms of text 2 alone, in
    // text 2's alphabetical order.
    std::vector<std::int64_t> inText2(text1.distinctCount(), 0);
    std::vector<bool> alsoInText1(text2.distinctCount(), false);
    for (FormTable::Id id1 = 0; id1 < text1.distinctCount(); ++id1) {
        if (const std::optional<FormTable::Id> id2 = text2.forms.find(text1.forms.form(id1))) {
            inText2[id1] = text2.forms.count(*id2);
            alsoInText1[*id2] = true;
        }
    }
    std::vector<FormTable::Id> onlyInText2;
    for (const FormTable::Id id2 : text2.alphabetical)
        if (!alsoInText1[id2])
            onlyInText2.push_back(id2);

    // Alphabetical first, by merging the two alphabetical lists, which numbers the forms in
    // alphabetical order.
    report.forms.reserve(text1.distinctCount() + onlyInText2.size());
    const FrenchCollator& collator = FrenchCollator::instance();
    auto next2 = onlyInText2.begin();
    for (const FormTable::Id id1 : text1.alphabetical) {
        const std::string& form = text1.forms.form(id1);
        for (; next2 != onlyInText2.end() && collator.compare(text2.forms.form(*next2), form) < 0; ++next2)
            add(text2.forms.form(*next2), 0, text2.forms.count(*next2));
        add(form, text1.forms.count(id1), inText2[id1]);
    }
    for (; next2 != onlyInText2.end(); ++next2)
        add(text2.forms.form(*next2), 0, text2.forms.count(*next2));
    // Forms of equal specificity by that number: a total order, sorted in place (a stable
    // sort would borrow a buffer the size of the report).
    std::ranges::sort(report.forms, [](const SpecificForm& left, const SpecificForm& right) {
        if (left.specificity != right.specificity)
            return left.specificity > right.specificity;
        return left.alphabeticalRank < right.alphabeticalRank;
    });
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
