// A form's occurrences: compared lower-cased, with their lines and contexts as written.
#include "core/concordance.h"

#include <gtest/gtest.h>

namespace quorvelle {
namespace {

TEST(Concordance, OccurrencesLinesAndContexts)
{
    // CR LF, LF and CR each end one line; a form inside a longer one is not an occurrence.
    const Concordance found = concordance("De la mer.\r\nDe la terre, de\nla\rmer demeure", "DE", 6);
    EXPECT_EQ(found.form, "de");
    EXPECT_EQ(found.occurrences, (std::vector<ConcordanceLine>{{1, "", "De", " la me"},
                                                               {2, "mer.\xB6", "De", " la te"},
                                                               {2, "erre, ", "de", "\xB6la\xB6me"}}));
    EXPECT_EQ(concordance("la mer", "mer", 40).occurrences, (std::vector<ConcordanceLine>{{1, "la ", "mer", ""}}));
    EXPECT_TRUE(concordance("la mer", "terre", 40).occurrences.empty());
}

} // namespace
} // namespace quorvelle
