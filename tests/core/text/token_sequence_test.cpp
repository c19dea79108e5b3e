// The packed occurrences: every number read back as it was written, either way.
#include "core/text/token_sequence.h"

#include <gtest/gtest.h>

#include <iterator>
#include <vector>

namespace quorvelle {
namespace {

TEST(TokenSequence, ReadsBackEveryNumberForwardsAndBackwards)
{
    using Id = TokenSequence::Id;
    const std::vector<std::vector<Id>> cases = {
        {},
        {0},
        {7, 0, 7},
        {32767, 32768, 32767},                    // the largest number of one unit, the smallest of two
        {1073741823, 1073741824, 0},              // the largest of two units, the smallest of three
        {4294967295u, 0, 4294967295u, 65535, 12}, // the largest form number
    };
    for (const std::vector<Id>& numbers : cases) {
        TokenSequence sequence;
        for (const Id number : numbers)
            sequence.push_back(number);
        EXPECT_EQ(sequence.size(), numbers.size());
        EXPECT_EQ(std::vector<Id>(sequence.begin(), sequence.end()), numbers);
        const std::vector<Id> backwards(std::make_reverse_iterator(sequence.end()),
                                        std::make_reverse_iterator(sequence.begin()));
        EXPECT_EQ(backwards, std::vector<Id>(numbers.rbegin(), numbers.rend()));
        if (!numbers.empty()) {
            EXPECT_EQ(sequence.back(), numbers.back());
        }
    }
}

} // namespace
} // namespace quorvelle
