// The texts under study: the first, and a second when two texts are compared.
#pragma once

#include "core/text/analysed_text.h"

#include <memory>
#include <string>

namespace quorvelle {

/// What every statistic's report is computed from (see core/statistics).
class AnalysedTexts {
public:
    /// Code page 1252 texts, their forms cut by one rule; second only when two texts are compared.
    explicit AnalysedTexts(std::string first, std::optional<std::string> second = std::nullopt,
                           LetterRule letters = LetterRule::Classic);
    /// Texts already shared, analysed or not, by the same rule; second may be null.
    explicit AnalysedTexts(std::shared_ptr<const AnalysedText> first,
                           std::shared_ptr<const AnalysedText> second = nullptr);

    const std::string& first() const { return first_->text(); }
    const std::string& second() const { return second_->text(); }
    bool hasSecond() const { return second_ != nullptr; }
    /// The rule both texts are cut by.
    LetterRule letters() const { return first_->letters(); }

    /// The first text tokenized (see AnalysedText::tokens).
    const TokenizedText& firstTokens(Occurrences needed = Occurrences::Kept) const { return first_->tokens(needed); }
    /// The comparison of forms reads only the counts of the second text's forms: its
    /// occurrences are kept only when asked.
    const TokenizedText& secondTokens(Occurrences needed = Occurrences::Counted) const
    {
        return second_->tokens(needed);
    }

private:
    std::shared_ptr<const AnalysedText> first_;
    std::shared_ptr<const AnalysedText> second_;
};

} // namespace quorvelle
