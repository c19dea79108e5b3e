// Finding and loading the document readers' module, the first time a document is read.
#pragma once

#include "core/documents/readers_entry_point.h"

#include <filesystem>

namespace quorvelle {

/// The readers of the module found relative to the running program: beside it (a build tree
/// puts a link to the module beside each program), else where the installation puts it
/// relative to the programs' folder. Loaded on the first call and kept for the life of the
/// process, so that a plain text never loads the libraries that read documents; a load that
/// failed is tried again on the next call. Throws as loadDocumentReaders does.
const DocumentReaders& documentReaders();

/// The readers of the module at path, which stays loaded. Throws DocumentError naming the
/// module's path: DocumentReadersMissing when there is no such file, DocumentReadersUnusable
/// when the loader refuses it or when it is not of this program's version.
const DocumentReaders& loadDocumentReaders(const std::filesystem::path& module);

} // namespace quorvelle
