// The comparison of the vocabularies of two texts: the forms they share and the forms
// proper to each.
#pragma once

#include "core/text/vocabulary.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvelle {

/// A form of both texts, with its attestations in each.
struct CommonForm {
    std::string form;
    std::int64_t count1 = 0;
    std::int64_t count2 = 0;

    friend bool operator==(const CommonForm&, const CommonForm&) = default;
};

/// Shares are percentages rounded to two decimals, halves to the even neighbour; none when
/// the whole is 0 (a text without forms).
struct VocabularyComparison {
    TextVocabulary text1;
    TextVocabulary text2;
    std::vector<CommonForm> commonForms; ///< the distinct forms of both texts, alphabetical
    std::int64_t commonCount = 0;
    std::int64_t properCount1 = 0; ///< distinct forms of text 1 only
    std::int64_t properCount2 = 0;
    std::int64_t commonTokens1 = 0; ///< occurrences of the common forms in text 1
    std::int64_t commonTokens2 = 0;
    std::int64_t properTokens1 = 0; ///< occurrences of the forms of text 1 only
    std::int64_t properTokens2 = 0;
    std::optional<double> commonShare1; ///< commonCount in text1.distinctCount
    std::optional<double> commonShare2;
    std::optional<double> properShare1; ///< properCount1 in text1.distinctCount
    std::optional<double> properShare2;
    std::optional<double> commonTokenShare1; ///< commonTokens1 in text1.tokenCount
    std::optional<double> commonTokenShare2;
    std::optional<double> properTokenShare1; ///< properTokens1 in text1.tokenCount
    std::optional<double> properTokenShare2;
    std::vector<FormCount> properForms1; ///< the forms of text 1 only, alphabetical
    std::vector<FormCount> properForms2; ///< the forms of text 2 only, alphabetical

    friend bool operator==(const VocabularyComparison&, const VocabularyComparison&) = default;
};

VocabularyComparison vocabularyComparison(std::string_view text1, std::string_view text2);
VocabularyComparison vocabularyComparison(const TokenizedText& text1, const TokenizedText& text2);

/// The comparison as one table: every distinct form of either text, alphabetical, with its
/// attestations in each (0 in the text that lacks it).
std::vector<CommonForm> formsOfEitherText(const VocabularyComparison& comparison);

} // namespace quorvelle
