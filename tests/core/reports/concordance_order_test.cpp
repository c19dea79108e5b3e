// A concordance's occurrences sorted by up to three keys, the text's order between equals.
#include "core/reports/concordance_order.h"

#include "core/text/form_pattern.h"
#include "core/text/tokenized_text.h"

#include <gtest/gtest.h>

#include <vector>

namespace quorvelle {
namespace {

using Keys = std::vector<ConcordanceKey>;
using Places = std::vector<std::size_t>;
constexpr ConcordanceKey left1 = ConcordanceKey::FirstLeft;
constexpr ConcordanceKey right1 = ConcordanceKey::FirstRight;
constexpr ConcordanceKey right2 = ConcordanceKey::SecondRight;

// The occurrences of "de", their forms to the left and right:
//   0: b | a x     1: b | a y     2: a | a y     3: a | b (none after)
TEST(ConcordanceOrder, ByEachKeyThenTheNextThenTheTextsOrder)
{
    const std::string text = "b de a x b de a y a de a y a de b";
    const Concordance found = concordance(text, "de", {3, ContextUnit::Forms});
    EXPECT_EQ(concordanceOrder(found, Keys{}), (Places{0, 1, 2, 3}));
    EXPECT_EQ(concordanceOrder(found, Keys{right1}), (Places{0, 1, 2, 3}));
    EXPECT_EQ(concordanceOrder(found, Keys{right1, right2}), (Places{0, 1, 2, 3}));
    EXPECT_EQ(concordanceOrder(found, Keys{right1, right2, left1}), (Places{0, 2, 1, 3}));
    EXPECT_EQ(concordanceOrder(found, Keys{left1, right1}), (Places{2, 3, 0, 1}));
    // Without a second form to the right, first; so for all when the context has one form.
    EXPECT_EQ(concordanceOrder(found, Keys{right2}), (Places{3, 0, 1, 2}));
    const Concordance narrow = concordance(text, "de", {1, ContextUnit::Forms});
    EXPECT_EQ(concordanceOrder(narrow, Keys{right2, left1}), (Places{2, 3, 0, 1}));
}

// Lower-cased, in French order: a before à before ab; À is à.
TEST(ConcordanceOrder, FrenchOrderOfLowerCasedForms)
{
    const Concordance found = concordance("de ab, de \xE0, de a, de \xC0.", "de", {40, ContextUnit::Characters});
    EXPECT_EQ(concordanceOrder(found, Keys{right1}), (Places{2, 1, 3, 0}));
}

// The pivot: each occurrence's own form, where a query finds several.
TEST(ConcordanceOrder, ByThePivot)
{
    const std::string text = "Le loup, la lune, les lions et le Lac.";
    const Concordance found = queryConcordance(text, tokenize(text), formQuery("l*", PatternSyntax::Wildcards), "l*",
                                               {10, ContextUnit::Characters});
    EXPECT_EQ(concordanceOrder(found, Keys{ConcordanceKey::Pivot}), (Places{2, 7, 0, 6, 4, 5, 1, 3}));
}

} // namespace
} // namespace quorvelle
