// A zip container's format told by its parts, then read by that format's reader.
#include "core/document_readers/zip_document_text.h"

#include "core/document_readers/epub_text.h"
#include "core/document_readers/odf_text.h"
#include "core/document_readers/word_text.h"
#include "core/document_readers/zip_archive.h"
#include "core/documents/document_error.h"

#include <cctype>
#include <optional>

namespace quorvelle {

std::string zipDocumentText(std::string_view bytes, const char* formatHint)
{
    ZipArchive archive(bytes, formatHint ? formatHint : "ZIP");
    if (std::optional<std::string> mimetype = archive.read("mimetype")) {
        while (!mimetype->empty() && std::isspace(static_cast<unsigned char>(mimetype->back())))
            mimetype->pop_back();
        if (*mimetype == openDocumentTextType) {
            archive.setFormat(formatName::openDocument);
            return openDocumentText(archive);
        }
        if (*mimetype == epubType) {
            archive.setFormat(formatName::epub);
            return epubText(archive);
        }
    }
    if (const std::optional<std::string> mainPart = wordMainPart(archive)) {
        archive.setFormat(formatName::word);
        return wordDocumentText(archive, *mainPart);
    }
    throw DocumentError(FileError::Reason::NotADocument, archive.format());
}

} // namespace quorvelle
