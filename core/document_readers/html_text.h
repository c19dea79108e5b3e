// The text of an HTML page, or of an EPUB's XHTML document.
#pragma once

#include "core/document_readers/document_text_builder.h"
#include "core/document_readers/markup_parser.h"
#include "core/text/encoding.h"

#include <string>
#include <string_view>

namespace quorvelle {

/// Writes what a browser shows of an HTML document: the body's text without scripts, styles
/// nor the head, white space collapsed, each block (paragraph, heading, list item, table row…)
/// on its own lines, a line end for each <br>, preformatted text as it stands, table cells
/// apart by a tab. Names are compared in lower case, so XHTML reads the same.
class HtmlTextHandler final : public MarkupHandler {
public:
    explicit HtmlTextHandler(DocumentTextBuilder& text)
        : text_(text)
    {
    }

    void startElement(std::string_view name, const MarkupAttributes& attributes) override;
    void endElement(std::string_view name) override;
    void text(std::string_view utf8) override;

private:
    DocumentTextBuilder& text_;
    int hiddenDepth_ = 0;
    int preformattedDepth_ = 0;
};

/// The UTF-8 text of an HTML page. Its declared charset wins; without one, the text is read
/// as encoding says, and with Encoding::Auto as UTF-8 when it is valid UTF-8, else as code
/// page 1252.
std::string htmlDocumentText(std::string_view bytes, Encoding encoding = Encoding::Auto);

} // namespace quorvelle
