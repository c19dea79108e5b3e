// The comparison of two vocabularies: every figure and the three listings.
#include "core/vocabulary_comparison.h"

#include "core/number_format.h"
#include "core/segmentation.h"
#include "core/literal_vocabulary.h"
#include "core/test_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

namespace quorvelle {
namespace {

using test::SortedStringList;
using test::groupEqualNeighbours;

using test::cp1252;

TEST(VocabularyComparison, EveryFigureOfTwoShortTexts)
{
    const VocabularyComparison c = vocabularyComparison("le chat et le chien.", "le chien, le loup.");
    EXPECT_EQ(c.text1.tokenCount, 5);
    EXPECT_EQ(c.text2.tokenCount, 4);
    EXPECT_EQ(c.text1.distinctCount, 4);
    EXPECT_EQ(c.text2.distinctCount, 3);
    EXPECT_EQ(c.commonCount, 2);
    EXPECT_EQ(c.properCount1, 2);
    EXPECT_EQ(c.properCount2, 1);
    EXPECT_EQ(c.commonShare1, 50.0);
    EXPECT_EQ(c.commonShare2, 66.67);
    EXPECT_EQ(c.properShare1, 50.0);
    EXPECT_EQ(c.properShare2, 33.33);
    EXPECT_EQ(c.commonTokens1, 3);
    EXPECT_EQ(c.commonTokenShare1, 60.0);
    EXPECT_EQ(c.commonTokens2, 3);
    EXPECT_EQ(c.commonTokenShare2, 75.0);
    EXPECT_EQ(c.properTokens1, 2);
    EXPECT_EQ(c.properTokenShare1, 40.0);
    EXPECT_EQ(c.properTokens2, 1);
    EXPECT_EQ(c.properTokenShare2, 25.0);
    EXPECT_EQ(c.commonForms, (std::vector<CommonForm>{{"chien", 1, 1}, {"le", 2, 2}}));
    EXPECT_EQ(c.properForms1, (std::vector<FormCount>{{"chat", 1}, {"et", 1}}));
    EXPECT_EQ(c.properForms2, (std::vector<FormCount>{{"loup", 1}}));
}

struct ListingCase {
    const char* name;
    std::string text1; // UTF-8
    std::string text2;
    std::vector<CommonForm> commonForms;
    std::vector<FormCount> properForms1;
    std::vector<FormCount> properForms2;
};

class ComparisonListings : public testing::TestWithParam<ListingCase> {};

TEST_P(ComparisonListings, SplitTheFormsIntoCommonAndProper)
{
    const VocabularyComparison c = vocabularyComparison(cp1252(GetParam().text1), cp1252(GetParam().text2));
    auto converted = [](std::vector<FormCount> forms) {
        for (FormCount& form : forms)
            form.form = cp1252(form.form);
        return forms;
    };
    std::vector<CommonForm> common = GetParam().commonForms;
    for (CommonForm& form : common)
        form.form = cp1252(form.form);
    EXPECT_EQ(c.commonForms, common);
    EXPECT_EQ(c.properForms1, converted(GetParam().properForms1));
    EXPECT_EQ(c.properForms2, converted(GetParam().properForms2));
}

INSTANTIATE_TEST_SUITE_P(Comparison, ComparisonListings, testing::Values(
    ListingCase{"LastFormWithoutSeparator", "le chat", "chat", {{"chat", 1, 1}}, {{"le", 1}}, {}},
    ListingCase{"CaseJoinsAccentsSeparate", "Le a a", "le LE à", {{"le", 1, 2}}, {{"a", 2}}, {{"à", 1}}},
    ListingCase{"NothingShared", "un deux", "trois", {}, {{"deux", 1}, {"un", 1}}, {{"trois", 1}}},
    ListingCase{"TextWithoutForms", "2001", "été", {}, {}, {{"été", 1}}}
), [](const testing::TestParamInfo<ListingCase>& info) { return info.param.name; });

TEST(VocabularyComparison, IdenticalTextsShareEverything)
{
    const std::string text = test::testDataText(test::corpusFiles[2]);
    const VocabularyComparison c = vocabularyComparison(text, text);
    for (const auto& share : {c.commonShare1, c.commonShare2, c.commonTokenShare1, c.commonTokenShare2})
        EXPECT_EQ(share, 100.0);
    for (const auto& share : {c.properShare1, c.properShare2, c.properTokenShare1, c.properTokenShare2})
        EXPECT_EQ(share, 0.0);
    EXPECT_EQ(c.properCount1 + c.properCount2 + c.properTokens1 + c.properTokens2, 0);
    EXPECT_EQ(c.commonCount, c.text1.distinctCount);
}

TEST(VocabularyComparison, HalfwayPercentageGoesToEven)
{
    // One form shared among 32 distinct forms: 3.125 %.
    std::string text1;
    for (std::size_t number = 0; number < 32; ++number)
        text1 += test::numberedForm(number) + " ";
    const VocabularyComparison c = vocabularyComparison(text1, test::numberedForm(5));
    EXPECT_EQ(c.commonShare1, 3.12);
    EXPECT_EQ(formatNumber(*c.commonShare1, ','), "3,12");
    EXPECT_EQ(c.properShare1, 96.88);
    EXPECT_EQ(c.commonShare2, 100.0);
}

TEST(VocabularyComparison, SharesOverATextWithoutFormsHaveNoValue)
{
    const VocabularyComparison c = vocabularyComparison("2001 !", "le");
    for (const auto& share : {c.commonShare1, c.properShare1, c.commonTokenShare1, c.properTokenShare1})
        EXPECT_FALSE(share.has_value());
    EXPECT_EQ(c.commonShare2, 0.0);
    EXPECT_EQ(c.properShare2, 100.0);
    EXPECT_EQ(c.properTokenShare2, 100.0);
    const VocabularyComparison empty = vocabularyComparison("", "");
    EXPECT_FALSE(empty.commonShare2.has_value());
    EXPECT_FALSE(empty.properTokenShare2.has_value());
}

// The computation as the window does it: each text's occurrences into a sorted list,
// equal neighbours grouped, every distinct form of text 1 compared with every distinct
// form of text 2, and every common form with every occurrence. The shares follow from
// these counts, and the examples above check them.
struct ReferenceComparison {
    TextVocabulary text1;
    TextVocabulary text2;
    std::vector<CommonForm> commonForms;
    std::int64_t commonTokens1 = 0;
    std::int64_t commonTokens2 = 0;
    std::vector<FormCount> properForms1;
    std::vector<FormCount> properForms2;
};

TextVocabulary vocabularyThroughSortedList(const SortedStringList& list)
{
    std::vector<FormCount> forms = groupEqualNeighbours(list);
    const auto distinctCount = static_cast<std::int64_t>(forms.size());
    return {static_cast<std::int64_t>(list.count()), std::move(forms), distinctCount};
}

ReferenceComparison comparisonThroughSortedLists(std::string_view text1, std::string_view text2)
{
    SortedStringList list1;
    SortedStringList list2;
    for (std::string& form : lowerCasedForms(text1))
        list1.add(std::move(form));
    for (std::string& form : lowerCasedForms(text2))
        list2.add(std::move(form));
    ReferenceComparison reference;
    reference.text1 = vocabularyThroughSortedList(list1);
    reference.text2 = vocabularyThroughSortedList(list2);

    std::vector<std::string> common;
    for (const FormCount& form1 : reference.text1.forms)
        for (const FormCount& form2 : reference.text2.forms)
            if (form1.form == form2.form)
                common.push_back(form1.form);
    auto occurrences = [](const SortedStringList& list, const std::string& form) {
        std::int64_t count = 0;
        for (std::size_t index = 0; index < list.count(); ++index)
            count += list.at(index) == form ? 1 : 0;
        return count;
    };
    for (const std::string& form : common) {
        const std::int64_t count1 = occurrences(list1, form);
        const std::int64_t count2 = occurrences(list2, form);
        reference.commonForms.push_back({form, count1, count2});
        reference.commonTokens1 += count1;
        reference.commonTokens2 += count2;
    }
    auto isProper = [&common](const FormCount& row) { return std::ranges::find(common, row.form) == common.end(); };
    std::ranges::copy_if(reference.text1.forms, std::back_inserter(reference.properForms1), isProper);
    std::ranges::copy_if(reference.text2.forms, std::back_inserter(reference.properForms2), isProper);
    return reference;
}

class ComparisonOfRealTexts : public testing::TestWithParam<std::pair<std::string, std::string>> {};

TEST_P(ComparisonOfRealTexts, EqualsTheSortedListComputation)
{
    const std::string text1 = test::realText(GetParam().first);
    const std::string text2 = test::realText(GetParam().second);
    const VocabularyComparison c = vocabularyComparison(text1, text2);
    const ReferenceComparison reference = comparisonThroughSortedLists(text1, text2);
    EXPECT_EQ(c.text1, reference.text1);
    EXPECT_EQ(c.text2, reference.text2);
    EXPECT_EQ(c.commonForms, reference.commonForms);
    EXPECT_EQ(c.commonCount, static_cast<std::int64_t>(reference.commonForms.size()));
    EXPECT_EQ(c.commonTokens1, reference.commonTokens1);
    EXPECT_EQ(c.commonTokens2, reference.commonTokens2);
    EXPECT_EQ(c.properForms1, reference.properForms1);
    EXPECT_EQ(c.properForms2, reference.properForms2);
    EXPECT_EQ(c.properCount1 + c.commonCount, reference.text1.distinctCount);
    EXPECT_EQ(c.properTokens2 + c.commonTokens2, reference.text2.tokenCount);
}

INSTANTIATE_TEST_SUITE_P(Corpus, ComparisonOfRealTexts, testing::Values(
    std::pair<std::string, std::string>{test::corpusFiles[0], test::corpusFiles[1]},
    std::pair<std::string, std::string>{test::corpusFiles[2], test::corpusFiles[3]},
    std::pair<std::string, std::string>{test::corpusFiles[3], "large"}));

} // namespace
} // namespace quorvelle
