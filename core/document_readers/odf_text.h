// The text of an OpenDocument text (.odt).
#pragma once

#include "core/document_readers/zip_archive.h"

#include <string>
#include <string_view>

namespace quorvelle {

/// The mimetype part's content that marks an OpenDocument text.
inline constexpr std::string_view openDocumentTextType = "application/vnd.oasis.opendocument.text";

/// The UTF-8 text of an OpenDocument text: headings and paragraphs each on their own line,
/// its tabs, line breaks and spaces (text:s) as they stand, each footnote or endnote on lines
/// of its own right after the paragraph that calls it (its number left out, so that it does
/// not stick to the word it follows), without comments nor deleted changes. Throws
/// DocumentError (a password-protected document, a missing or damaged content).
std::string openDocumentText(ZipArchive& archive);

/// The same from the archive's bytes, for the fuzzer.
std::string openDocumentText(std::string_view bytes);

} // namespace quorvelle
