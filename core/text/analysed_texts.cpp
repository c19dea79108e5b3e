// Lazy tokenization of the texts under study.
#include "core/text/analysed_texts.h"

namespace quorvelle {

AnalysedTexts::AnalysedTexts(std::string first, std::optional<std::string> second)
    : first_(std::move(first))
    , second_(std::move(second))
{
}

const TokenizedText& AnalysedTexts::firstTokens(Occurrences needed) const
{
    const bool lacksOccurrences = firstTokens_ && firstTokens_->tokens.empty() && firstTokens_->tokenCount() > 0;
    if (!firstTokens_ || (needed == Occurrences::Kept && lacksOccurrences))
        firstTokens_ = tokenize(first_, needed);
    return *firstTokens_;
}

const TokenizedText& AnalysedTexts::secondTokens() const
{
    if (!secondTokens_)
        secondTokens_ = tokenize(*second_, Occurrences::Counted);
    return *secondTokens_;
}

} // namespace quorvelle
