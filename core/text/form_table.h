// Interning of lower-cased forms: each distinct form gets a dense number and a count.
#pragma once

#include "core/text/letters.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvelle {

/// The distinct forms of a text, numbered from 0 in the order they are first met, each
/// with its number of attestations. Lookup is a hash probe, so counting the forms of a
/// text costs one probe per occurrence.
class FormTable {
public:
    using Id = std::uint32_t;

    /// Counts one more occurrence of form and returns its number.
    Id add(std::string_view form);
    /// The same for the lower-cased shape of a form as written, lower-cased by the alphabet
    /// and hashed in one pass (the hot path of tokenizing).
    Id addLowerCased(std::string_view writtenForm, const Alphabet& alphabet);

    /// The number of form, or nothing when the table does not hold it. Counts nothing.
    std::optional<Id> find(std::string_view form) const;

    std::size_t size() const { return forms_.size(); }
    const std::string& form(Id id) const { return forms_[id]; }
    std::int64_t count(Id id) const { return counts_[id]; }

    /// The numbers of the forms in alphabetical order (see FrenchCollator).
    std::vector<Id> alphabeticalOrder() const;

private:
    Id add(std::string_view form, std::uint64_t hash);
    void grow();
    /// The slot that holds form, or the empty slot where it would go.
    std::size_t probe(std::string_view form, std::uint64_t hash) const;

    std::vector<std::string> forms_;
    std::vector<std::int64_t> counts_;
    std::vector<std::uint64_t> hashes_;
    std::vector<Id> slots_;  // open addressing: id + 1, or 0 for an empty slot
    std::string lowerCased_; // scratch buffer of addLowerCased
};

/// The place of each form in an order of all of them: ranks[order[place]] == place.
std::vector<std::uint32_t> ranksIn(const std::vector<FormTable::Id>& order);

} // namespace quorvelle
