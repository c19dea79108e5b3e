// The document readers' module: its exported table, each reader's failure turned into a record.
#include "core/document_readers/html_text.h"
#include "core/document_readers/pdf_text.h"
#include "core/document_readers/zip_document_text.h"
#include "core/documents/document_error.h"
#include "core/documents/readers_entry_point.h"

namespace quorvelle {
namespace {

// The text read, or the DocumentError the reader threw, as the program reads it.
template <typename Read>
DocumentReading reading(Read&& read)
{
    try {
        return {read(), std::nullopt, {}};
    } catch (const DocumentError& error) {
        return {{}, error.reason(), error.detail()};
    }
}

constexpr DocumentReaders readers = {
    documentReadersVersion,
    [](std::string_view bytes, const char* formatHint) {
        return reading([&] { return zipDocumentText(bytes, formatHint); });
    },
    [](std::string_view bytes) { return reading([&] { return pdfText(bytes); }); },
    [](std::string_view bytes, Encoding encoding) {
        return reading([&] { return htmlDocumentText(bytes, encoding); });
    },
};

} // namespace
} // namespace quorvelle

const quorvelle::DocumentReaders* quorvelle_document_readers()
{
    return &quorvelle::readers;
}
