// The vocabulary of a text: its distinct forms with their numbers of attestations.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorvelle {

struct TokenizedText;

/// One distinct form, lower-cased, with its number of attestations.
struct FormCount {
    std::string form;
    std::int64_t count = 0;

    friend bool operator==(const FormCount&, const FormCount&) = default;
};

/// The vocabulary of one text.
struct TextVocabulary {
    std::int64_t tokenCount = 0;    ///< N, the forms of the text, every occurrence counted
    std::vector<FormCount> forms;   ///< the distinct forms in alphabetical order
    std::int64_t distinctCount = 0; ///< D, the number of entries of forms

    friend bool operator==(const TextVocabulary&, const TextVocabulary&) = default;
};

/// The vocabulary of a text. Each occurrence is lower-cased and counted in a hash table and
/// only the distinct forms are collated; the result is exactly that of adding every
/// lower-cased form to a sorted list and grouping equal neighbours.
TextVocabulary countVocabulary(std::string_view text);
TextVocabulary countVocabulary(const TokenizedText& text);

/// Slot k holds the number of distinct forms attested exactly k times, for k from 1 to
/// the largest number of attestations; slot 0 is unused and holds 0.
std::vector<std::int64_t> frequencySpectrum(const std::vector<FormCount>& forms);

} // namespace quorvelle
