// The comparison of the vocabularies of two texts: the forms they share and the forms
// proper to each.
#pragma once

#include "core/text/vocabulary.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvelle {

/// A form of both texts, with its attestations in each.
struct CommonForm {
    std::string form;
    std::array<std::int64_t, 2> counts{}; ///< its attestations in text 1, then in text 2

    friend bool operator==(const CommonForm&, const CommonForm&) = default;
};

/// What the comparison finds of one of its two texts. Shares are percentages rounded to two
/// decimals, halves to the even neighbour; none when the whole is 0 (a text without forms).
struct ComparedText {
    TextVocabulary vocabulary;              ///< its distinct forms, N and V
    std::int64_t properCount = 0;           ///< its distinct forms that the other text lacks
    std::int64_t commonTokens = 0;          ///< its occurrences of the common forms
    std::int64_t properTokens = 0;          ///< its occurrences of its proper forms
    std::optional<double> commonShare;      ///< the common forms in its distinct forms
    std::optional<double> properShare;      ///< its proper forms in its distinct forms
    std::optional<double> commonTokenShare; ///< commonTokens in its N
    std::optional<double> properTokenShare; ///< properTokens in its N
    std::vector<FormCount> properForms;     ///< its proper forms, alphabetical

    friend bool operator==(const ComparedText&, const ComparedText&) = default;
};

/// The two texts side by side, and the forms they share.
struct VocabularyComparison {
    std::array<ComparedText, 2> texts;   ///< text 1, then text 2
    std::vector<CommonForm> commonForms; ///< the distinct forms of both texts, alphabetical
    std::int64_t commonCount = 0;

    friend bool operator==(const VocabularyComparison&, const VocabularyComparison&) = default;
};

VocabularyComparison vocabularyComparison(std::string_view text1, std::string_view text2);
VocabularyComparison vocabularyComparison(const TokenizedText& text1, const TokenizedText& text2);

/// The comparison as one table: every distinct form of either text, alphabetical, with its
/// attestations in each (0 in the text that lacks it).
std::vector<CommonForm> formsOfEitherText(const VocabularyComparison& comparison);

} // namespace quorvelle
