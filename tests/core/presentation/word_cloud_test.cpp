// The word cloud's layout: which forms, in which order and at which size, and labels that never
// overlap, the same each time, whatever room the spiral leaves.
#include "core/presentation/word_cloud.h"

#include "core/presentation/chart_data.h"
#include "core/reports/vocabulary_report.h"
#include "core/test_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <vector>

namespace quorvelle {
namespace {

// Every letter half as wide as the size, every label as high as the size.
LabelExtent fixedAdvance(std::string_view form, double fontSize)
{
    return {0.5 * fontSize * static_cast<double>(form.size()), fontSize};
}

WordCloud cloudOf(const std::vector<WeightedForm>& forms, const WordCloudSettings& settings = {},
                  const FunctionWords& setAside = {})
{
    return layOutWordCloud(forms, setAside, settings, fixedAdvance);
}

std::vector<std::string> formsOf(const WordCloud& cloud)
{
    std::vector<std::string> forms;
    for (const CloudWord& word : cloud.words)
        forms.push_back(word.form);
    return forms;
}

std::vector<double> sizesOf(const WordCloud& cloud)
{
    std::vector<double> sizes;
    for (const CloudWord& word : cloud.words)
        sizes.push_back(word.fontSize);
    return sizes;
}

// The 200 most frequent forms of a novel: all placed, none closer than the gap to another, all
// within the bounds, largest first; laid out again, the same cloud.
TEST(WordCloud, RealTextPlacesEveryFormApartTheSameEachTime)
{
    const std::vector<WeightedForm> forms = weighedByCount(
        vocabularyReport(test::realText(QUORVELLE_TEST_DATA "/corpus/r03_daudet_petit_chose.txt")).byFrequency);
    const WordCloudSettings settings{.formCount = 200};
    const WordCloud cloud = cloudOf(forms, settings);
    ASSERT_EQ(cloud.words.size(), 200u);
    EXPECT_EQ(cloud.leftOut, 0u);
    for (std::size_t first = 0; first < cloud.words.size(); ++first) {
        const CloudRect& box = cloud.words[first].box;
        const CloudRect widened{box.left - settings.gap, box.top - settings.gap, box.width + 2 * settings.gap,
                                box.height + 2 * settings.gap};
        for (std::size_t second = first + 1; second < cloud.words.size(); ++second)
            ASSERT_FALSE(widened.overlaps(cloud.words[second].box))
                << cloud.words[first].form << " " << cloud.words[second].form;
        constexpr double rounding = 1e-9;
        EXPECT_TRUE(box.left >= cloud.bounds.left && box.right() <= cloud.bounds.right() + rounding
                    && box.top >= cloud.bounds.top && box.bottom() <= cloud.bounds.bottom() + rounding);
    }
    const std::vector<double> sizes = sizesOf(cloud);
    EXPECT_TRUE(std::ranges::is_sorted(sizes, std::greater<>()));
    EXPECT_EQ(sizes.front(), settings.largestFontSize);
    EXPECT_EQ(sizes.back(), settings.smallestFontSize);
    EXPECT_EQ(cloudOf(forms, settings), cloud);

    const WordCloud withoutFunctionWords = cloudOf(forms, settings, frenchFunctionWords());
    EXPECT_EQ(withoutFunctionWords.words.size(), 200u);
    for (const CloudWord& word : withoutFunctionWords.words)
        EXPECT_FALSE(frenchFunctionWords().contains(word.form)) << word.form;
}

// Linear in the square root of the weight: 1, 4 and 9 are at the smallest size, half way and the
// largest; the heaviest of one form, or of forms that all weigh the same, is the largest.
TEST(WordCloud, SizesGrowWithTheSquareRootOfTheWeight)
{
    EXPECT_EQ(sizesOf(cloudOf({{"un", 1}, {"neuf", 9}, {"quatre", 4}})), (std::vector<double>{48, 29, 10}));
    EXPECT_EQ(sizesOf(cloudOf({{"seul", 3}})), (std::vector<double>{48}));
    EXPECT_EQ(sizesOf(cloudOf({{"b", 2}, {"a", 2}, {"c", 2}})), (std::vector<double>{48, 48, 48}));
}

// Equal weights go in French alphabetical order, not in the bytes' (â is above z in code page
// 1252), and that order decides which of them are shown; weights of 0 or less are not shown.
TEST(WordCloud, ChoosesTheWeightiestEqualWeightsAlphabetically)
{
    const std::vector<WeightedForm> forms = {
        {test::cp1252("zèbre"), 2}, {"mer", 5}, {test::cp1252("âne"), 2}, {"banal", 0}, {"moins", -3}, {"bateau", 2}};
    EXPECT_EQ(formsOf(cloudOf(forms)),
              (std::vector<std::string>{"mer", test::cp1252("âne"), "bateau", test::cp1252("zèbre")}));
    EXPECT_EQ(formsOf(cloudOf(forms, {.formCount = 2})), (std::vector<std::string>{"mer", test::cp1252("âne")}));
    EXPECT_TRUE(cloudOf(forms, {.formCount = 0}).words.empty());
    EXPECT_EQ(cloudOf({}), WordCloud());
}

// The first label is centred on the spiral's start; when the positions tried run out, the forms
// that found no room are counted, not placed.
TEST(WordCloud, FormsWithoutRoomAreLeftOut)
{
    const std::vector<WeightedForm> forms = {{"mer", 3}, {"ciel", 2}, {"vent", 1}};
    const WordCloud alone = cloudOf({{"mer", 3}});
    EXPECT_EQ(alone.bounds, (CloudRect{-36, -24, 72, 48}));

    const WordCloud oneTry = cloudOf(forms, {.mostPositions = 1});
    EXPECT_EQ(formsOf(oneTry), std::vector<std::string>{"mer"});
    EXPECT_EQ(oneTry.leftOut, 2u);
    const WordCloud noTry = cloudOf(forms, {.mostPositions = 0});
    EXPECT_TRUE(noTry.words.empty());
    EXPECT_EQ(noTry.leftOut, 3u);
}

// The grid of the cloud's window: each form placed with its weight and its size.
TEST(WordCloud, ChartListsTheFormsPlaced)
{
    const ChartRows chart = wordCloudChart(cloudOf({{"mer", 12.346}, {"ciel", 1}}), ',');
    EXPECT_EQ(chart.rows[0].cells, (std::array<std::string, 3>{"mer", "12,35", "48"}));
    EXPECT_EQ(chart.rows[1].cells, (std::array<std::string, 3>{"ciel", "1", "10"}));
    EXPECT_EQ(chart.bars, (std::vector<std::size_t>{0, 1}));
}

} // namespace
} // namespace quorvelle
