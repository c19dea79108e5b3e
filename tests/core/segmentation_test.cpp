// Cutting texts into forms.
#include "core/segmentation.h"

#include "core/test_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvelle {
namespace {

using test::cp1252;

struct SegmentationCase {
    const char* name;
    std::string text; // UTF-8, converted to code page 1252
    std::vector<std::string> written;
};

class SegmentationExamples : public testing::TestWithParam<SegmentationCase> {};

TEST_P(SegmentationExamples, GivesTheFormsAsWritten)
{
    const std::string text = cp1252(GetParam().text);
    std::vector<std::string> expected;
    for (const std::string& form : GetParam().written)
        expected.push_back(cp1252(form));

    const std::vector<std::string_view> forms = writtenForms(text);
    EXPECT_EQ(std::vector<std::string>(forms.begin(), forms.end()), expected);
    EXPECT_EQ(countForms(text), static_cast<std::int64_t>(expected.size()));
}

INSTANTIATE_TEST_SUITE_P(Forms, SegmentationExamples, testing::Values(
    SegmentationCase{"Sentence", "Le chat, le Chien.", {"Le", "chat", "le", "Chien"}},
    SegmentationCase{"SeparatorRuns", "a , ; b.", {"a", "b"}},
    SegmentationCase{"Ligature", "cœur.", {"c", "ur"}},
    SegmentationCase{"Multiplication", "a×b.", {"a", "b"}},
    SegmentationCase{"Apostrophe", "l'été", {"l", "été"}},
    SegmentationCase{"TypographicApostrophe", "aujourd’hui", {"aujourd", "hui"}},
    SegmentationCase{"Hyphen", "porte-monnaie", {"porte", "monnaie"}},
    SegmentationCase{"Digits", "3e 2001", {"e"}},
    SegmentationCase{"OnlyNonLetters", "12 ; 3,4 !\r\n", {}},
    SegmentationCase{"Empty", "", {}},
    SegmentationCase{"LeadingSeparators", "  \r\nBonjour.", {"Bonjour"}},
    SegmentationCase{"EndsOnALetter", "Bonjour le monde", {"Bonjour", "le", "monde"}},
    SegmentationCase{"OneLetter", "a", {"a"}},
    SegmentationCase{"Capitals", "ÉTÉ été.", {"ÉTÉ", "été"}},
    SegmentationCase{"NonLetterLatin1", "Šaº µb", {"a", "b"}}
), [](const testing::TestParamInfo<SegmentationCase>& info) { return info.param.name; });

TEST(Segmentation, LowerCasedFormsAreTheKeys)
{
    EXPECT_EQ(lowerCasedForms(cp1252("ÉTÉ été Été")),
              (std::vector<std::string>(3, cp1252("été"))));
}

TEST(Segmentation, ViewsPointIntoTheText)
{
    const std::string text = "ab cd";
    const auto forms = writtenForms(text);
    ASSERT_EQ(forms.size(), 2u);
    EXPECT_EQ(forms[1].data(), text.data() + 3);
}

TEST(Segmentation, AVeryLongFormStaysWhole)
{
    const std::string text = " " + std::string(600, 'x') + " y";
    const auto forms = writtenForms(text);
    ASSERT_EQ(forms.size(), 2u);
    EXPECT_EQ(forms[0].size(), 600u);
}

} // namespace
} // namespace quorvelle
