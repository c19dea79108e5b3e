// poppler's text extraction, in reading order.
#include "core/documents/pdf_text.h"

#include "core/documents/document_error.h"
#include "core/documents/document_text_builder.h"

#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-page.h>

#include <climits>
#include <memory>
#include <mutex>

namespace quorvelle {
namespace {

using Reason = FileError::Reason;

// poppler tells its complaints about a damaged file on the terminal unless asked not to.
void ignorePopplerMessage(const std::string&, void*)
{
}

void silencePoppler()
{
    static std::once_flag once;
    std::call_once(once, [] { poppler::set_debug_error_function(ignorePopplerMessage, nullptr); });
}

} // namespace

bool looksLikePdf(std::string_view bytes)
{
    return bytes.substr(0, 1024).find("%PDF-") != std::string_view::npos;
}

std::string pdfText(std::string_view bytes)
{
    silencePoppler();
    if (bytes.size() > static_cast<std::size_t>(INT_MAX))
        throw DocumentError(Reason::DocumentTooLarge, formatName::pdf);
    const std::unique_ptr<poppler::document> document(
        poppler::document::load_from_raw_data(bytes.data(), static_cast<int>(bytes.size())));
    if (!document)
        throw DocumentError(Reason::DamagedDocument, formatName::pdf);
    if (document->is_locked())
        throw DocumentError(Reason::ProtectedDocument, formatName::pdf);

    DocumentTextBuilder text;
    const int pages = document->pages();
    for (int index = 0; index < pages; ++index) {
        const std::unique_ptr<poppler::page> page(document->create_page(index));
        if (!page)
            continue;
        const poppler::byte_array utf8 =
            page->text(poppler::rectf(), poppler::page::non_raw_non_physical_layout).to_utf8();
        // poppler ends a page with blank lines and a form feed: one line end is enough.
        std::string_view pageText(utf8.data(), utf8.size());
        pageText = pageText.substr(0, pageText.find_last_not_of(" \t\r\n\f") + 1);
        text.appendLiteral(pageText);
        text.endBlock();
        if (text.size() > maxTextFileBytes)
            throw DocumentError(Reason::DocumentTooLarge, formatName::pdf);
    }
    if (pages <= 0)
        throw DocumentError(Reason::DamagedDocument, formatName::pdf);
    if (text.isBlank())
        throw DocumentError(Reason::ImagesOnlyDocument, formatName::pdf);
    return text.take();
}

} // namespace quorvelle
