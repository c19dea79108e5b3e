// libxml2's SAX parsers, fenced: no network, no DTD, no entity of the document's own.
#include "core/document_readers/markup_parser.h"

#include "core/documents/document_error.h"

#include <libxml/HTMLparser.h>
#include <libxml/entities.h>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <exception>
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace quorvelle {
namespace {

std::string_view view(const xmlChar* text)
{
    return text ? std::string_view(reinterpret_cast<const char*>(text)) : std::string_view();
}

std::string_view view(const xmlChar* text, int length)
{
    return {reinterpret_cast<const char*>(text), static_cast<std::size_t>(length)};
}

// What the callbacks share: the handler, the first exception to come out of it, and whether
// the document tried to declare an entity.
struct ParseState {
    explicit ParseState(MarkupHandler& handler)
        : handler(handler)
    {
    }

    MarkupHandler& handler;
    xmlParserCtxtPtr context = nullptr;
    std::exception_ptr failure;
    bool declaresEntities = false;
    bool sawElement = false;
};

ParseState& stateOf(void* user)
{
    return *static_cast<ParseState*>(user);
}

// Runs a handler call; an exception stops the parser and waits to be rethrown out of it,
// since it cannot cross libxml2's C frames.
template <typename Call>
void guarded(void* user, Call&& call)
{
    ParseState& state = stateOf(user);
    if (state.failure)
        return;
    try {
        call(state.handler);
    } catch (...) {
        state.failure = std::current_exception();
        xmlStopParser(state.context);
    }
}

// Namespaced attributes: five pointers each (local name, prefix, URI, value, value's end).
class XmlAttributes final : public MarkupAttributes {
public:
    XmlAttributes(const xmlChar** attributes, int count)
        : attributes_(attributes)
        , count_(count)
    {
    }

    std::string_view value(std::string_view localName) const override
    {
        for (int i = 0; i < count_; ++i) {
            const xmlChar** attribute = attributes_ + 5 * i;
            if (view(attribute[0]) == localName)
                return {reinterpret_cast<const char*>(attribute[3]),
                        static_cast<std::size_t>(attribute[4] - attribute[3])};
        }
        return {};
    }

private:
    const xmlChar** attributes_;
    int count_;
};

// HTML attributes: name and value pairs up to a null name; a value may be missing.
class HtmlAttributes final : public MarkupAttributes {
public:
    explicit HtmlAttributes(const xmlChar** attributes)
        : attributes_(attributes)
    {
    }

    std::string_view value(std::string_view localName) const override
    {
        for (const xmlChar** pair = attributes_; pair && pair[0]; pair += 2)
            if (view(pair[0]) == localName)
                return view(pair[1]);
        return {};
    }

private:
    const xmlChar** attributes_;
};

void startXmlElement(void* user, const xmlChar* localName, const xmlChar*, const xmlChar*, int, const xmlChar**,
                     int attributeCount, int, const xmlChar** attributes)
{
    stateOf(user).sawElement = true;
    guarded(user, [&](MarkupHandler& handler) {
        handler.startElement(view(localName), XmlAttributes(attributes, attributeCount));
    });
}

void endXmlElement(void* user, const xmlChar* localName, const xmlChar*, const xmlChar*)
{
    guarded(user, [&](MarkupHandler& handler) { handler.endElement(view(localName)); });
}

void startHtmlElement(void* user, const xmlChar* name, const xmlChar** attributes)
{
    guarded(user, [&](MarkupHandler& handler) { handler.startElement(view(name), HtmlAttributes(attributes)); });
}

void endHtmlElement(void* user, const xmlChar* name)
{
    guarded(user, [&](MarkupHandler& handler) { handler.endElement(view(name)); });
}

void characters(void* user, const xmlChar* text, int length)
{
    guarded(user, [&](MarkupHandler& handler) { handler.text(view(text, length)); });
}

// The first entity declaration ends the parse: the formats read here never declare any, and
// one that does may be an attack (nested entities expanding to gigabytes, or an external
// entity reading a file).
void refuseEntityDeclaration(void* user, const xmlChar*, int, const xmlChar*, const xmlChar*, xmlChar*)
{
    ParseState& state = stateOf(user);
    state.declaresEntities = true;
    xmlStopParser(state.context);
}

// HTML's named character references, as entities holding their character: XHTML documents
// use them, trusting a DTD the parser does not read. Made once and kept for the process: the
// table is never destroyed, so that the entities stay reachable until the very end.
xmlEntityPtr htmlCharacterEntity(void*, const xmlChar* name)
{
    if (xmlEntityPtr predefined = xmlGetPredefinedEntity(name))
        return predefined;
    const htmlEntityDesc* description = htmlEntityLookup(name);
    if (!description)
        return nullptr;
    static std::mutex mutex;
    static auto* entities = new std::map<unsigned int, xmlEntityPtr>;
    const std::lock_guard lock(mutex);
    xmlEntityPtr& entity = (*entities)[description->value];
    if (!entity) {
        xmlChar character[5] = {};
        xmlCopyCharMultiByte(character, static_cast<int>(description->value));
        entity = xmlNewEntity(nullptr, name, XML_INTERNAL_PREDEFINED_ENTITY, nullptr, nullptr, character);
    }
    return entity;
}

void ignoreStructuredError(void*, xmlErrorPtr)
{
}

void ignoreGenericError(void*, const char*, ...)
{
}

void prepareLibxml2()
{
    static std::once_flag once;
    std::call_once(once, [] { xmlInitParser(); });
    // Messages go to the handler's state, never to the terminal; the setting is per thread.
    xmlSetGenericErrorFunc(nullptr, ignoreGenericError);
}

// Parses with sax on a context made for bytes, then rethrows what the handler threw.
template <typename Parse>
void runParser(xmlParserCtxtPtr context, xmlSAXHandler& sax, ParseState& state, Parse&& parse)
{
    if (!context)
        throw std::bad_alloc();
    const std::unique_ptr<xmlParserCtxt, void (*)(xmlParserCtxtPtr)> owner(context, xmlFreeParserCtxt);
    xmlSAXHandlerPtr ownSax = context->sax;
    context->sax = &sax;
    context->userData = &state;
    state.context = context;
    parse(context);
    context->sax = ownSax;
    context->userData = context;
    // In SAX mode libxml2 still keeps the entities a document declares in a document of its
    // own making, which the parser's owner frees.
    if (context->myDoc) {
        xmlFreeDoc(context->myDoc);
        context->myDoc = nullptr;
    }
    if (state.failure)
        std::rethrow_exception(state.failure);
}

int checkedLength(std::string_view bytes, const char* format)
{
    if (bytes.size() > static_cast<std::size_t>(INT_MAX))
        throw DocumentError(FileError::Reason::DocumentTooLarge, format);
    return static_cast<int>(bytes.size());
}

// True when the document says its encoding: a byte order mark, an XML declaration's
// encoding, or a charset near the top.
bool declaresEncoding(std::string_view bytes)
{
    if (bytes.starts_with("\xEF\xBB\xBF") || bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"))
        return true;
    std::string top(bytes.substr(0, 1024));
    std::transform(top.begin(), top.end(), top.begin(),
                   [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
    return top.find("charset") != std::string::npos
        || (top.starts_with("<?xml") && top.find("encoding") < top.find("?>"));
}

} // namespace

void parseXml(std::string_view bytes, MarkupHandler& handler, const char* format)
{
    prepareLibxml2();
    xmlSAXHandler sax{};
    sax.initialized = XML_SAX2_MAGIC;
    sax.startElementNs = startXmlElement;
    sax.endElementNs = endXmlElement;
    sax.characters = characters;
    sax.cdataBlock = characters;
    sax.entityDecl = refuseEntityDeclaration;
    sax.getEntity = htmlCharacterEntity;
    sax.serror = ignoreStructuredError;

    // libxml2 makes no parser for no bytes: there is no document there.
    if (bytes.empty())
        throw DocumentError(FileError::Reason::DamagedDocument, format);
    ParseState state(handler);
    runParser(xmlCreateMemoryParserCtxt(bytes.data(), checkedLength(bytes, format)), sax, state,
              [](xmlParserCtxtPtr context) {
                  xmlCtxtUseOptions(context,
                                    XML_PARSE_RECOVER | XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
                  xmlParseDocument(context);
              });
    if (state.declaresEntities)
        throw DocumentError(FileError::Reason::UnsafeDocument, format);
    if (!state.sawElement)
        throw DocumentError(FileError::Reason::DamagedDocument, format);
}

void parseHtml(std::string_view bytes, MarkupHandler& handler, const char* fallbackEncoding)
{
    prepareLibxml2();
    htmlSAXHandler sax{};
    sax.initialized = 1;
    sax.startElement = startHtmlElement;
    sax.endElement = endHtmlElement;
    sax.characters = characters;
    sax.cdataBlock = characters;
    sax.ignorableWhitespace = characters;
    sax.serror = ignoreStructuredError;

    if (bytes.empty())
        return;
    ParseState state(handler);
    const bool declared = declaresEncoding(bytes);
    runParser(htmlCreateMemoryParserCtxt(bytes.data(), checkedLength(bytes, formatName::html)), sax, state,
              [&](xmlParserCtxtPtr context) {
                  htmlCtxtUseOptions(context,
                                     HTML_PARSE_RECOVER | HTML_PARSE_NONET | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING);
                  if (!declared)
                      if (xmlCharEncodingHandlerPtr encoding = xmlFindCharEncodingHandler(fallbackEncoding))
                          xmlSwitchToEncoding(context, encoding);
                  htmlParseDocument(context);
              });
}

} // namespace quorvelle
