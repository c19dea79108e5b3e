// Lazy tokenization of the command line's texts.
#include "cli/analysed_texts.h"

namespace quorvelle::cli {

AnalysedTexts::AnalysedTexts(std::string first, std::optional<std::string> second)
    : first_(std::move(first))
    , second_(std::move(second))
{
}

const TokenizedText& AnalysedTexts::firstTokens() const
{
    if (!firstTokens_)
        firstTokens_ = tokenize(first_);
    return *firstTokens_;
}

const TokenizedText& AnalysedTexts::secondTokens() const
{
    if (!secondTokens_)
        secondTokens_ = tokenize(*second_);
    return *secondTokens_;
}

} // namespace quorvelle::cli
