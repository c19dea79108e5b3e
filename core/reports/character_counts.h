// The character and word counts of a text.
#pragma once

#include "core/text/letters.h"

#include <cstdint>
#include <string_view>

namespace quorvelle {

/// Every character of the text in one of three classes, tested in this order: a letter,
/// a digit, anything else. The three counts add up to total.
struct CharacterCounts {
    std::int64_t alphabetic = 0;
    std::int64_t numeric = 0;
    std::int64_t special = 0;
    std::int64_t total = 0;
    std::int64_t words = 0; ///< the number of forms, N

    friend bool operator==(const CharacterCounts&, const CharacterCounts&) = default;
};

/// The counts of a text whose letters are those of the rule.
CharacterCounts countCharacters(std::string_view text, LetterRule letters = LetterRule::Classic);

} // namespace quorvelle
