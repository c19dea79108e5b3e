// HTML and XHTML read as a browser shows them: their charset, their entities, no declared ones.
#include "core/document_readers/document_text_builder.h"
#include "core/document_readers/html_text.h"
#include "core/document_readers/markup_parser.h"
#include "core/documents/document_error.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvelle {
namespace {

TEST(HtmlText, HonoursItsCharsetElseGuesses)
{
    const std::string page = "<!DOCTYPE html><html><head><title>t</title></head><body><p>caf\xE9</p></body></html>";
    EXPECT_EQ(htmlDocumentText(page), "café\r\n"); // not UTF-8: code page 1252
    EXPECT_EQ(htmlDocumentText("<html><body>café</body></html>"), "café\r\n");
    // A declared charset wins over the guess and over the option.
    const std::string declared = "<html><head><meta charset=\"utf-8\"></head><body>caf\xC3\xA9</body></html>";
    EXPECT_EQ(htmlDocumentText(declared, Encoding::Cp1252), "café\r\n");
}

TEST(HtmlText, XhtmlKnowsHtmlEntitiesButNoDeclaredOnes)
{
    DocumentTextBuilder text;
    HtmlTextHandler handler(text);
    parseXml("<html><head><title>titre</title></head><body><h1>Un</h1><p>caf&eacute;&nbsp;cr&egrave;me &amp;"
             "<br/>th&#233;</p><script>var x;</script></body></html>",
             handler, formatName::epub);
    EXPECT_EQ(text.take(), "Un\r\ncafé\u00A0crème &\r\nthé\r\n");
    EXPECT_THROW(parseXml("<!DOCTYPE x [<!ENTITY a SYSTEM \"file:///etc/passwd\">]><x>&a;</x>", handler, "XML"),
                 DocumentError);
    EXPECT_THROW(parseXml("", handler, "XML"), DocumentError); // an empty part of an archive
}

} // namespace
} // namespace quorvelle
