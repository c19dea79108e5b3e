// Reading XML and HTML as a stream of elements and text, safely.
#pragma once

#include <string_view>

namespace quorvelle {

/// An element's attributes, by local name (namespaces aside: no format read here gives two
/// attributes of one element the same local name).
class MarkupAttributes {
public:
    virtual ~MarkupAttributes() = default;
    /// The attribute's value, or an empty view when the element has none of that name.
    virtual std::string_view value(std::string_view localName) const = 0;
};

/// What a document reader does with the markup: element names come without their prefix,
/// in HTML in lower case; text comes in UTF-8, in as many pieces as the parser likes.
class MarkupHandler {
public:
    virtual ~MarkupHandler() = default;
    virtual void startElement(std::string_view name, const MarkupAttributes& attributes) = 0;
    virtual void endElement(std::string_view name) = 0;
    virtual void text(std::string_view utf8) = 0;
};

/// Parses XML, recovering from what errors it can. Never reads anything but bytes: no network,
/// no external DTD, no external entity; a document that declares entities of its own is
/// refused (throws DocumentError UnsafeDocument naming format) before any is expanded, so
/// that nested entities cannot blow up. HTML's named character references (&nbsp;, &eacute;)
/// are understood, as XHTML documents use them without their DTD. Bytes that hold no element
/// (none at all, or nothing readable) throw DocumentError DamagedDocument naming format.
/// Exceptions thrown by the handler stop the parse and come out of it.
void parseXml(std::string_view bytes, MarkupHandler& handler, const char* format);

/// Parses HTML as a browser would, recovering from every error, in the encoding its
/// declaration names or else fallbackEncoding (a name libxml2 knows: "UTF-8",
/// "windows-1252"). Exceptions thrown by the handler come out of it.
void parseHtml(std::string_view bytes, MarkupHandler& handler, const char* fallbackEncoding);

} // namespace quorvelle
