// Comparing two vocabularies with one hash look-up per distinct form.
#include "core/reports/vocabulary_comparison.h"

#include "core/reports/rounding.h"
#include "core/text/collation.h"
#include "core/text/tokenized_text.h"

#include <algorithm>
#include <iterator>

namespace quorvelle {
namespace {

std::optional<double> share(std::int64_t part, std::int64_t whole)
{
    return percentage(static_cast<double>(part), static_cast<double>(whole));
}

} // namespace

VocabularyComparison vocabularyComparison(std::string_view text1, std::string_view text2)
{
    return vocabularyComparison(tokenize(text1, Occurrences::Counted), tokenize(text2, Occurrences::Counted));
}

VocabularyComparison vocabularyComparison(const TokenizedText& text1, const TokenizedText& text2)
{
    VocabularyComparison comparison;
    auto& [first, second] = comparison.texts;
    first.vocabulary = countVocabulary(text1);
    second.vocabulary = countVocabulary(text2);

    // Walking text 1 alphabetically keeps the common forms alphabetical; the forms of
    // text 2 not met that way are its proper forms, in its own alphabetical order.
    std::vector<bool> common2(text2.distinctCount(), false);
    for (const FormCount& form : first.vocabulary.forms) {
        if (const std::optional<FormTable::Id> id2 = text2.forms.find(form.form)) {
            common2[*id2] = true;
            comparison.commonForms.push_back({form.form, {form.count, text2.forms.count(*id2)}});
            first.commonTokens += form.count;
            second.commonTokens += text2.forms.count(*id2);
        } else {
            first.properForms.push_back(form);
        }
    }
    for (const FormTable::Id id2 : text2.alphabetical)
        if (!common2[id2])
            second.properForms.push_back({text2.forms.form(id2), text2.forms.count(id2)});

    comparison.commonCount = static_cast<std::int64_t>(comparison.commonForms.size());
    for (ComparedText& text : comparison.texts) {
        const TextVocabulary& vocabulary = text.vocabulary;
        text.properCount = vocabulary.distinctCount - comparison.commonCount;
        text.properTokens = vocabulary.tokenCount - text.commonTokens;
        text.commonShare = share(comparison.commonCount, vocabulary.distinctCount);
        text.properShare = share(text.properCount, vocabulary.distinctCount);
        text.commonTokenShare = share(text.commonTokens, vocabulary.tokenCount);
        text.properTokenShare = share(text.properTokens, vocabulary.tokenCount);
    }
    return comparison;
}

std::vector<CommonForm> formsOfEitherText(const VocabularyComparison& comparison)
{
    const FrenchCollator& collator = FrenchCollator::instance();
    const auto alphabetical = [&collator](const CommonForm& left, const CommonForm& right) {
        return collator.compare(left.form, right.form) < 0;
    };
    const auto only = [](const std::vector<FormCount>& forms, bool firstText) {
        std::vector<CommonForm> rows;
        rows.reserve(forms.size());
        for (const FormCount& form : forms)
            rows.push_back(firstText ? CommonForm{form.form, {form.count, 0}} : CommonForm{form.form, {0, form.count}});
        return rows;
    };
    // Three lists already alphabetical: two merges.
    std::vector<CommonForm> ofText1;
    ofText1.reserve(comparison.commonForms.size() + comparison.texts[0].properForms.size());
    const std::vector<CommonForm> proper1 = only(comparison.texts[0].properForms, true);
    std::ranges::merge(comparison.commonForms, proper1, std::back_inserter(ofText1), alphabetical);
    std::vector<CommonForm> either;
    either.reserve(ofText1.size() + comparison.texts[1].properForms.size());
    const std::vector<CommonForm> proper2 = only(comparison.texts[1].properForms, false);
    std::ranges::merge(ofText1, proper2, std::back_inserter(either), alphabetical);
    return either;
}

} // namespace quorvelle
