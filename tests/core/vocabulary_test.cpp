// Counting the vocabulary, its spectrum and the vocabulary list report.
#include "core/reports/vocabulary_report.h"
#include "core/text/vocabulary.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace quorvelle {
namespace {

TEST(VocabularyReport, TotalsMeanBothOrdersAndSpectrum)
{
    const struct { // byFrequency: equal numbers of attestations alphabetical
        const char* text;
        std::int64_t tokenCount, distinctCount;
        std::optional<double> meanFrequency;
        std::vector<FormCount> alphabetical, byFrequency;
    } cases[] = {
        {"Le chat, le Chien.",
         4,
         3,
         1.3,
         {{"chat", 1}, {"chien", 1}, {"le", 2}},
         {{"le", 2}, {"chat", 1}, {"chien", 1}}},
        {"\xC9T\xC9 \xE9t\xE9.", 2, 1, 2.0, {{"\xE9t\xE9", 2}}, {{"\xE9t\xE9", 2}}}, // code page 1252
        // 5 / 4 = 1.25: the mean rounded half to even
        {"a a b c d", 5, 4, 1.2, {{"a", 2}, {"b", 1}, {"c", 1}, {"d", 1}}, {{"a", 2}, {"b", 1}, {"c", 1}, {"d", 1}}},
        {"2001 !", 0, 0, std::nullopt, {}, {}},
    };
    for (const auto& c : cases) {
        const VocabularyReport r = vocabularyReport(c.text);
        EXPECT_EQ(std::tie(r.tokenCount, r.distinctCount, r.meanFrequency, r.alphabetical, r.byFrequency),
                  std::tie(c.tokenCount, c.distinctCount, c.meanFrequency, c.alphabetical, c.byFrequency))
            << c.text;
    }
    EXPECT_EQ(frequencySpectrum(countVocabulary("Le chat, le Chien.").forms), (std::vector<std::int64_t>{0, 2, 1}));
    EXPECT_EQ(frequencySpectrum({}), std::vector<std::int64_t>{0});
}

} // namespace
} // namespace quorvelle
