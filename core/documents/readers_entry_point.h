// The one function the document readers' module exports, and the table of readers it returns.
#pragma once

#include "core/text/encoding.h"
#include "core/text/text_file.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvelle {

/// What a reader of the module gives back: the document's UTF-8 text, or why it has none and
/// what the message names beside the file (see DocumentError). The module returns a record
/// rather than throwing: its exception types are its own copies, which the program's catch
/// clauses would not know. Only std::bad_alloc, whose type the standard library holds for both,
/// crosses the boundary as an exception.
struct DocumentReading {
    std::string text;
    std::optional<FileError::Reason> failure;
    std::string detail;
};

/// The version of the table and of what its functions take and return, FileError::Reason
/// included. Change it with any of them: a module built from other sources is then refused
/// instead of called with what it does not expect.
inline constexpr std::uint32_t documentReadersVersion = 1;

/// The readers of the module, one per kind of content document_text.cpp tells apart.
struct DocumentReaders {
    /// Read first, before anything else of the table.
    std::uint32_t version;
    /// An OpenDocument text, a Word document or an EPUB book, told by the archive's content;
    /// formatHint is what the file's extension promises (nullptr for none), named in the
    /// messages until the content tells the format.
    DocumentReading (*zipDocumentText)(std::string_view bytes, const char* formatHint);
    DocumentReading (*pdfText)(std::string_view bytes);
    /// An HTML page, read as its charset says, else as encoding says (see htmlDocumentText).
    DocumentReading (*htmlDocumentText)(std::string_view bytes, Encoding encoding);
};

/// The entry point's name, as the program looks it up in the module.
inline constexpr const char* documentReadersEntryPoint = "quorvelle_document_readers";

} // namespace quorvelle

// The one symbol the module exports: a DLL exports what is marked so, a shared object what is
// visible.
#ifdef _WIN32
#define QUORVELLE_DOCUMENT_READERS_EXPORT __declspec(dllexport)
#else
#define QUORVELLE_DOCUMENT_READERS_EXPORT [[gnu::visibility("default")]]
#endif

/// The module's entry point: its table of readers, which lives as long as the module.
extern "C" QUORVELLE_DOCUMENT_READERS_EXPORT const quorvelle::DocumentReaders* quorvelle_document_readers();
