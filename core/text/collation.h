// The alphabetical order of forms: ICU's French collator, ties broken by the bytes.
#pragma once

#include <compare>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quorvelle {

/// Orders code page 1252 strings as a French reader expects (a < à < ab, e < é < ef; a
/// space ranks before every letter, so "de la" < "de le" < "dea"). Strings the collator
/// holds equal are ordered by their bytes, so that identical strings are always neighbours.
class FrenchCollator {
public:
    /// The process-wide collator; ICU collators are safe to share for these const calls.
    static const FrenchCollator& instance();

    /// A byte string whose plain byte comparison gives the collation order.
    std::string sortKey(std::string_view text) const;

    /// Collation order, then byte order.
    std::strong_ordering compare(std::string_view left, std::string_view right) const;

    /// The permutation that puts the texts in order: each text's sort key is computed once.
    std::vector<std::size_t> order(const std::vector<std::string_view>& texts) const;

    /// Whether the collator tells the texts apart by their accents or case alone, or not at
    /// all (its primary strength): "cote", "côte" and "Coté" have the same letters, "cote"
    /// and "cotes" do not.
    bool sameLetters(std::string_view left, std::string_view right) const;

    ~FrenchCollator();
    FrenchCollator(const FrenchCollator&) = delete;
    FrenchCollator& operator=(const FrenchCollator&) = delete;

private:
    /// Buffers reused from one key to the next.
    struct Scratch {
        std::u16string utf16;
        std::string key;
    };
    /// Appends the sort key of text to keys.
    void appendSortKey(std::string_view text, Scratch& scratch, std::string& keys) const;
    FrenchCollator();

    class Icu; // keeps ICU's headers out of this one
    std::unique_ptr<Icu> icu_;
};

} // namespace quorvelle
