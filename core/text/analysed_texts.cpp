// The texts under study, shared.
#include "core/text/analysed_texts.h"

namespace quorvelle {

AnalysedTexts::AnalysedTexts(std::string first, std::optional<std::string> second)
    : first_(std::make_shared<const AnalysedText>(std::move(first)))
    , second_(second ? std::make_shared<const AnalysedText>(std::move(*second)) : nullptr)
{
}

AnalysedTexts::AnalysedTexts(std::shared_ptr<const AnalysedText> first, std::shared_ptr<const AnalysedText> second)
    : first_(std::move(first))
    , second_(std::move(second))
{
}

} // namespace quorvelle
