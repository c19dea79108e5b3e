// The texts under study, shared.
#include "core/text/analysed_texts.h"

#include <cassert>

namespace quorvelle {

AnalysedTexts::AnalysedTexts(std::string first, std::optional<std::string> second, LetterRule letters)
    : first_(std::make_shared<const AnalysedText>(std::move(first), letters))
    , second_(second ? std::make_shared<const AnalysedText>(std::move(*second), letters) : nullptr)
{
}

AnalysedTexts::AnalysedTexts(std::shared_ptr<const AnalysedText> first, std::shared_ptr<const AnalysedText> second)
    : first_(std::move(first))
    , second_(std::move(second))
{
    assert(!second_ || second_->letters() == first_->letters());
}

} // namespace quorvelle
