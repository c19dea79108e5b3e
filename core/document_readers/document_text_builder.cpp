// Assembling a document's text.
#include "core/document_readers/document_text_builder.h"

#include <algorithm>
#include <utility>

namespace quorvelle {
namespace {

constexpr std::string_view lineEnd = "\r\n";

bool isMarkupSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

} // namespace

void DocumentTextBuilder::flushPendingSpace()
{
    if (pendingSpace_)
        text_ += ' ';
    pendingSpace_ = false;
}

void DocumentTextBuilder::appendLiteral(std::string_view text)
{
    flushPendingSpace();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            // CR LF, LF or a lone CR: one line end.
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            text_ += lineEnd;
            atLineStart_ = true;
        } else {
            text_ += text[i];
            atLineStart_ = false;
        }
    }
}

void DocumentTextBuilder::appendCollapsed(std::string_view text)
{
    for (const char c : text) {
        if (isMarkupSpace(c)) {
            pendingSpace_ = !atLineStart_;
            continue;
        }
        flushPendingSpace();
        text_ += c;
        atLineStart_ = false;
    }
}

void DocumentTextBuilder::endLine()
{
    pendingSpace_ = false;
    text_ += lineEnd;
    atLineStart_ = true;
}

void DocumentTextBuilder::endBlock()
{
    if (!atLineStart_)
        endLine();
    pendingSpace_ = false;
}

bool DocumentTextBuilder::isBlank() const
{
    return std::all_of(text_.begin(), text_.end(), isMarkupSpace);
}

std::string DocumentTextBuilder::take()
{
    atLineStart_ = true;
    pendingSpace_ = false;
    return std::exchange(text_, {});
}

} // namespace quorvelle
