// The forms of a shared text, cut once for each need.
#include "core/text/analysed_text.h"

#include <utility>

namespace quorvelle {

AnalysedText::AnalysedText(std::string text, LetterRule letters)
    : text_(std::make_shared<const std::string>(std::move(text)))
    , letters_(letters)
{
}

AnalysedText::AnalysedText(std::shared_ptr<const std::string> text, LetterRule letters)
    : text_(std::move(text))
    , letters_(letters)
{
}

AnalysedText::AnalysedText(std::shared_ptr<const std::string> text, TokenizedText tokens)
    : text_(std::move(text))
    , letters_(tokens.letters)
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
            counted_ = tokenize(*text_, Occurrences::Counted, letters_);
        return *counted_;
    }
    kept_ = tokenize(*text_, Occurrences::Kept, letters_);
    return *kept_;
}

SharedText analyseText(std::shared_ptr<const std::string> text, LetterRule letters, const WorkProgress& progress)
{
    TokenizedText tokens = tokenize(*text, Occurrences::Kept, letters, progress);
    return std::make_shared<const AnalysedText>(std::move(text), std::move(tokens));
}

} // namespace quorvelle
