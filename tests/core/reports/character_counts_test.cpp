// Character classes and word counts.
#include "core/reports/character_counts.h"

#include "core/test_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace quorvelle {
namespace {

// The word count is also held against the vocabulary's total on real texts.
TEST(CharacterCounts, ClassifyEveryCharacterAndCountTheWords)
{
    const std::pair<const char*, CharacterCounts> cases[] = {
        // UTF-8 texts
        {"Été 2001 !\r\n", {3, 4, 5, 12, 1}},
        {"", {0, 0, 0, 0, 0}},
        {"l'œuf.", {3, 0, 3, 6, 2}},
        {"Bonjour le monde", {14, 0, 2, 16, 3}},
        {"a×b÷c", {3, 0, 2, 5, 3}},
        {"\x1A"
         "a",
         {1, 0, 1, 2, 1}}, // the substitute of undecodable characters
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(countCharacters(test::cp1252(text)), expected);
    }
}

} // namespace
} // namespace quorvelle
