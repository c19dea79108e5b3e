// The text of an EPUB book.
#pragma once

#include "core/document_readers/zip_archive.h"

#include <string>
#include <string_view>

namespace quorvelle {

/// The mimetype part's content that marks an EPUB book.
inline constexpr std::string_view epubType = "application/epub+zip";

/// The UTF-8 text of an EPUB book: its (X)HTML documents in the order of the spine, each read
/// as a browser shows it. Throws DocumentError: a missing package (a damaged book), a spine
/// document absent from the archive (naming it), a document locked by a digital lock.
std::string epubText(ZipArchive& archive);

/// The same from the archive's bytes, for the fuzzer.
std::string epubText(std::string_view bytes);

/// A path of the archive: the relative reference href, read from the part in folder (which
/// ends with '/' or is empty), percent-decoded, its fragment dropped, its '.' and '..' resolved.
std::string resolveArchivePath(std::string_view folder, std::string_view href);

} // namespace quorvelle
