// Telling documents from plain text, and extracting their text.
#include "core/documents/document_text.h"

#include "core/documents/document_error.h"
#include "core/documents/document_format.h"
#include "core/documents/readers_module.h"
#include "core/text/file_path.h"
#include "core/text/text_file.h"

#include <algorithm>
#include <new>

namespace quorvelle {
namespace {

using Reason = FileError::Reason;

// The signature of the compound files of Office 97-2003, which also wrap the password-protected
// documents of later versions.
constexpr std::string_view compoundFileSignature = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";

// The format a document's extension promises, or nothing for other names.
const char* formatOfExtension(const std::string& extension)
{
    if (extension == ".odt")
        return formatName::openDocument;
    if (extension == ".docx" || extension == ".doc")
        return formatName::word;
    if (extension == ".epub")
        return formatName::epub;
    if (extension == ".pdf")
        return formatName::pdf;
    return nullptr;
}

// The first kilobyte holds control characters no text has: a binary file.
bool looksBinary(std::string_view bytes)
{
    const std::string_view top = bytes.substr(0, 1024);
    return std::any_of(top.begin(), top.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r' && byte != '\f' && byte != 0x1A;
    });
}

// True when the compound file holds an "EncryptedPackage" stream: an Office document saved
// with a password. Stream names are UTF-16.
bool isEncryptedPackage(std::string_view bytes)
{
    constexpr std::string_view name = "E\0n\0c\0r\0y\0p\0t\0e\0d\0P\0a\0c\0k\0a\0g\0e\0";
    return bytes.find(std::string_view(name.data(), 32)) != std::string_view::npos;
}

// The text the module's reader gives, or its failure thrown as the reader threw it.
std::string textOf(DocumentReading reading)
{
    if (reading.failure)
        throw DocumentError(*reading.failure, std::move(reading.detail));
    return std::move(reading.text);
}

// The document's UTF-8 text, or nothing when bytes are plain text. The readers' module is
// loaded only once the bytes turn out to be a document.
std::optional<std::string> documentText(std::string_view bytes, const std::filesystem::path& name, Encoding encoding)
{
    const std::string extension = asciiLowerCase(utf8Name(name.extension()));
    const char* formatHint = formatOfExtension(extension);
    if (looksLikeZip(bytes))
        return textOf(documentReaders().zipDocumentText(bytes, formatHint));
    if (looksLikePdf(bytes))
        return textOf(documentReaders().pdfText(bytes));
    if (bytes.starts_with(compoundFileSignature))
        throw DocumentError(isEncryptedPackage(bytes) ? Reason::ProtectedDocument : Reason::OldOfficeDocument,
                            formatHint ? formatHint : formatName::word);
    const bool htmlName = extension == ".html" || extension == ".htm" || extension == ".xhtml";
    if (looksLikeHtml(bytes) || (htmlName && startsWithTag(bytes)))
        return textOf(documentReaders().htmlDocumentText(bytes, encoding));
    if (formatHint && looksBinary(bytes))
        throw DocumentError(Reason::DamagedDocument, formatHint);
    return std::nullopt;
}

} // namespace

LoadedText loadTextFile(const std::filesystem::path& path, Encoding encoding)
{
    try {
        std::string bytes = path == standardInputName ? readStandardInputBytes() : readFileBytes(path);
        if (std::optional<std::string> document = documentText(bytes, path, encoding)) {
            if (document->size() > maxTextFileBytes)
                throw FileError(Reason::TooLarge, path);
            LoadedText loaded{decodeText(std::move(*document), Encoding::Utf8)};
            loaded.size = loaded.text.size();
            loaded.encoding = Encoding::Utf8;
            return loaded;
        }
        const std::uintmax_t size = bytes.size();
        const Encoding read = readEncoding(bytes, encoding);
        return {decodeText(std::move(bytes), read), size, read};
    } catch (const DocumentError& error) {
        throw FileError(error.reason(), path, error.detail());
    } catch (const std::bad_alloc&) {
        throw FileError(Reason::TooLarge, path);
    }
}

} // namespace quorvelle
