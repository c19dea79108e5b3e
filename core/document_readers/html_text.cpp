// HTML as a reader sees it.
#include "core/document_readers/html_text.h"

#include "core/documents/document_format.h"

#include <algorithm>
#include <array>

namespace quorvelle {
namespace {

template <std::size_t N>
bool isOneOf(std::string_view name, const std::array<std::string_view, N>& names)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Elements whose content the reader never sees as text.
constexpr std::array<std::string_view, 7> hiddenElements = {"head",     "script", "style", "template",
                                                            "noscript", "title",  "svg"};

// Elements that stand on their own lines.
constexpr std::array<std::string_view, 33> blockElements = {
    "p",      "div", "h1",   "h2",         "h3",         "h4",      "h5",    "h6",      "li",      "ul",    "ol",
    "dl",     "dt",  "dd",   "blockquote", "pre",        "tr",      "table", "section", "article", "aside", "header",
    "footer", "nav", "main", "figure",     "figcaption", "address", "hr",    "caption", "body",    "form",  "fieldset"};

} // namespace

void HtmlTextHandler::startElement(std::string_view name, const MarkupAttributes&)
{
    const std::string lower = asciiLowerCase(name);
    if (isOneOf(lower, hiddenElements)) {
        ++hiddenDepth_;
        return;
    }
    if (hiddenDepth_ > 0)
        return;
    if (lower == "br")
        text_.endLine();
    else if (lower == "pre")
        ++preformattedDepth_;
    if (isOneOf(lower, blockElements))
        text_.endBlock();
}

void HtmlTextHandler::endElement(std::string_view name)
{
    const std::string lower = asciiLowerCase(name);
    if (isOneOf(lower, hiddenElements)) {
        hiddenDepth_ = std::max(0, hiddenDepth_ - 1);
        return;
    }
    if (hiddenDepth_ > 0)
        return;
    if (lower == "pre")
        preformattedDepth_ = std::max(0, preformattedDepth_ - 1);
    if (isOneOf(lower, blockElements))
        text_.endBlock();
    else if (lower == "td" || lower == "th")
        text_.appendLiteral("\t");
}

void HtmlTextHandler::text(std::string_view utf8)
{
    if (hiddenDepth_ > 0)
        return;
    if (preformattedDepth_ > 0)
        text_.appendLiteral(utf8);
    else
        text_.appendCollapsed(utf8);
}

std::string htmlDocumentText(std::string_view bytes, Encoding encoding)
{
    const bool utf8 = encoding == Encoding::Utf8 || (encoding == Encoding::Auto && isStrictUtf8(bytes));
    DocumentTextBuilder text;
    HtmlTextHandler handler(text);
    parseHtml(bytes, handler, utf8 ? "UTF-8" : "windows-1252");
    return text.take();
}

} // namespace quorvelle
