// The forms of a shared text, cut once for each need.
#include "core/text/analysed_text.h"

#include <utility>

namespace quorvelle {

AnalysedText::AnalysedText(std::string text)
    : text_(std::make_shared<const std::string>(std::move(text)))
{
}

AnalysedText::AnalysedText(std::shared_ptr<const std::string> text)
    : text_(std::move(text))
{
}

AnalysedText::AnalysedText(std::shared_ptr<const std::string> text, TokenizedText tokens)
    : text_(std::move(text))
    , kept_(std::move(tokens))
{
}

const TokenizedText& AnalysedText::tokens(Occurrences needed) const
{
    const std::lock_guard lock(mutex_);
    if (kept_)
        return *kept_;
    if (needed == Occurrences::Counted) {
        if (!counted_)
            counted_ = tokenize(*text_, Occurrences::Counted);
        return *counted_;
    }
    kept_ = tokenize(*text_, Occurrences::Kept);
    return *kept_;
}

SharedText analyseText(std::shared_ptr<const std::string> text, const WorkProgress& progress)
{
    TokenizedText tokens = tokenize(*text, Occurrences::Kept, progress);
    return std::make_shared<const AnalysedText>(std::move(text), std::move(tokens));
}

} // namespace quorvelle
