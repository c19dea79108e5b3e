// Fuzz inputs put in the container of a document format, so that mutations reach the XML
// readers instead of dying on the archive's checksums.
#pragma once

#include <string>
#include <string_view>

namespace quorvelle::fuzz {

/// Bytes that already look like a zip archive, unchanged; else the bytes as the content of
/// an OpenDocument text, as the body of a Word document, as the one chapter of an EPUB book.
std::string asOpenDocument(std::string_view bytes);
std::string asWordDocument(std::string_view bytes);
std::string asEpub(std::string_view bytes);

/// The bytes unchanged: HTML and PDF have no container.
inline std::string_view asItself(std::string_view bytes)
{
    return bytes;
}

} // namespace quorvelle::fuzz
