// The texts under study, each tokenized at most once however many statistics read it.
#pragma once

#include "core/text/tokenized_text.h"

#include <optional>
#include <string>

namespace quorvelle {

class AnalysedTexts {
public:
    /// Code page 1252 texts; second only when two texts are compared.
    explicit AnalysedTexts(std::string first, std::optional<std::string> second = std::nullopt);

    const std::string& first() const { return first_; }
    const std::string& second() const { return *second_; }
    bool hasSecond() const { return second_.has_value(); }

    /// The first text tokenized, its occurrences kept unless counting them is enough: a text
    /// tokenized without them is tokenized again if a statistic needs them later.
    const TokenizedText& firstTokens(Occurrences needed = Occurrences::Kept) const;
    /// Only the comparison reads the second text: its occurrences are counted, not kept.
    const TokenizedText& secondTokens() const;

private:
    std::string first_;
    std::optional<std::string> second_;
    mutable std::optional<TokenizedText> firstTokens_;
    mutable std::optional<TokenizedText> secondTokens_;
};

} // namespace quorvelle
