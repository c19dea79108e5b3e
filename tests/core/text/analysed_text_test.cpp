// A shared text is cut once for each need, whichever threads ask.
#include "core/text/analysed_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace quorvelle {
namespace {

TEST(AnalysedText, CountsAfterOccurrencesReuseThem)
{
    const AnalysedText counted("Le chat et le chien.");
    const TokenizedText& counts = counted.tokens(Occurrences::Counted);
    EXPECT_TRUE(counts.tokens.empty());
    // Occurrences asked for after the counts: the text is cut again, and kept.
    const TokenizedText& kept = counted.tokens(Occurrences::Kept);
    EXPECT_EQ(kept.tokens.size(), 5U);
    EXPECT_EQ(&counted.tokens(Occurrences::Counted), &kept);
    EXPECT_EQ(counts.distinctCount(), kept.distinctCount());
}

// Several threads asking at once all read the one tokenization (ThreadSanitizer runs this).
TEST(AnalysedText, ThreadsShareOneTokenization)
{
    const std::shared_ptr<const AnalysedText> text = std::make_shared<const AnalysedText>(
        std::string(20000, 'a') + " le chat dort, le chien aboie. " + std::string(1000, 'b'));
    constexpr int threadCount = 4;
    std::vector<const TokenizedText*> seen(threadCount);
    {
        std::vector<std::jthread> threads;
        for (int index = 0; index < threadCount; ++index)
            threads.emplace_back([&, index] {
                seen[static_cast<std::size_t>(index)] =
                    &text->tokens(index % 2 == 0 ? Occurrences::Kept : Occurrences::Counted);
            });
    }
    EXPECT_EQ(text->tokens().tokenCount(), 8);
    for (int index = 0; index < threadCount; index += 2)
        EXPECT_EQ(seen[static_cast<std::size_t>(index)], &text->tokens());
}

// The analysis tells how far it has gone, in order, up to the whole text; a caller that gives
// it up by throwing from the progress gets its exception back.
TEST(AnalysedText, AnalysisTellsItsProgressAndCanBeGivenUp)
{
    std::string words;
    for (int index = 0; index < 200000; ++index)
        words += "mot ";
    const auto bytes = std::make_shared<const std::string>(words);
    std::vector<std::size_t> told;
    analyseText(bytes, LetterRule::Classic, [&](std::size_t done, std::size_t total) {
        EXPECT_EQ(total, bytes->size());
        told.push_back(done);
    });
    ASSERT_GE(told.size(), 3U);
    EXPECT_TRUE(std::is_sorted(told.begin(), told.end()));
    EXPECT_EQ(told.back(), bytes->size());

    EXPECT_THROW(analyseText(bytes, LetterRule::Classic,
                             [](std::size_t, std::size_t) { throw std::runtime_error("abandonné"); }),
                 std::runtime_error);
}

} // namespace
} // namespace quorvelle
