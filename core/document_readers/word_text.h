// The text of a Word document (.docx).
#pragma once

#include "core/document_readers/zip_archive.h"

#include <optional>
#include <string>
#include <string_view>

namespace quorvelle {

/// Where the archive's content types put a Word document's main part ("word/document.xml"),
/// or nothing when the archive is not a Word document (a spreadsheet, a presentation…).
std::optional<std::string> wordMainPart(ZipArchive& archive);

/// The UTF-8 text of a Word document: each paragraph on its line, tabs and breaks as they
/// stand, each footnote on lines of its own right after the paragraph that calls it, the
/// endnotes at the end (their numbers left out); without deleted or moved-away text, field
/// codes, nor the fallback copy of drawings. Throws DocumentError.
std::string wordDocumentText(ZipArchive& archive, const std::string& mainPart);

/// The same from the archive's bytes, for the fuzzer.
std::string wordDocumentText(std::string_view bytes);

} // namespace quorvelle
