// French spacing: the spaces tied to punctuation, quotes and the groups of a number, and those
// left as they are.
#include "core/presentation/french_typography.h"

#include <gtest/gtest.h>

namespace quorvelle {
namespace {

TEST(FrenchTypography, TiesTheSpacesOfPunctuationQuotesAndNumbers)
{
    EXPECT_EQ(withFrenchSpacing("« mer » : f1 = 10 ; 1 % ! Vient-il ?"),
              "«\u00A0mer\u00A0»\u00A0: f1 = 10\u00A0; 1\u00A0%\u00A0! Vient-il\u00A0?");
    EXPECT_EQ(withFrenchSpacing("10 × 10 000 / 15"), "10 × 10\u00A0000 / 15");
    // Spaces between words and around signs stay breakable; nothing is added where there is no space.
    EXPECT_EQ(withFrenchSpacing("N = 13 et V = 6, équivalant à: 3 "), "N = 13 et V = 6, équivalant à: 3 ");
}

} // namespace
} // namespace quorvelle
