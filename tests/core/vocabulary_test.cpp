// Counting the vocabulary, its spectrum and the vocabulary list report.
#include "core/vocabulary.h"
#include "core/vocabulary_report.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace quorvelle {
namespace {

TEST(Vocabulary, Spectrum)
{
    EXPECT_EQ(frequencySpectrum(countVocabulary("Le chat, le Chien.").forms), (std::vector<std::int64_t>{0, 2, 1}));
    EXPECT_EQ(frequencySpectrum({}), std::vector<std::int64_t>{0});
}

TEST(VocabularyReport, TotalsMeanAndBothOrders)
{
    const struct {
        const char* text;
        std::int64_t tokenCount;
        std::int64_t distinctCount;
        std::optional<double> meanFrequency;
        std::vector<FormCount> alphabetical;
        std::vector<FormCount> byFrequency; // equal numbers of attestations alphabetical
    } cases[] = {
        {"Le chat, le Chien.", 4, 3, 1.3, {{"chat", 1}, {"chien", 1}, {"le", 2}}, {{"le", 2}, {"chat", 1}, {"chien", 1}}},
        {"\xC9T\xC9 \xE9t\xE9.", 2, 1, 2.0, {{"\xE9t\xE9", 2}}, {{"\xE9t\xE9", 2}}}, // code page 1252
        {"a a b.", 3, 2, 1.5, {{"a", 2}, {"b", 1}}, {{"a", 2}, {"b", 1}}},
        {"z y z x y z w", 7, 4, 1.8, {{"w", 1}, {"x", 1}, {"y", 2}, {"z", 3}}, {{"z", 3}, {"y", 2}, {"w", 1}, {"x", 1}}},
        {"a a a b b c c d d", 9, 4, 2.2, {{"a", 3}, {"b", 2}, {"c", 2}, {"d", 2}}, {{"a", 3}, {"b", 2}, {"c", 2}, {"d", 2}}},
        {"a a a b b b c c c d d", 11, 4, 2.8, {{"a", 3}, {"b", 3}, {"c", 3}, {"d", 2}}, {{"a", 3}, {"b", 3}, {"c", 3}, {"d", 2}}},
        {"2001 !", 0, 0, std::nullopt, {}, {}},
    };
    for (const auto& [text, tokenCount, distinctCount, meanFrequency, alphabetical, byFrequency] : cases) {
        SCOPED_TRACE(text);
        const VocabularyReport report = vocabularyReport(text);
        EXPECT_EQ(report.tokenCount, tokenCount);
        EXPECT_EQ(report.distinctCount, distinctCount);
        EXPECT_EQ(report.meanFrequency, meanFrequency);
        EXPECT_EQ(report.alphabetical, alphabetical);
        EXPECT_EQ(report.byFrequency, byFrequency);
    }
}

} // namespace
} // namespace quorvelle
