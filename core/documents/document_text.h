// A file's text, whether plain text or a document.
#pragma once

#include "core/text/encoding.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace quorvelle {

/// A file's text in code page 1252, the size a user knows it by (the file's for plain text,
/// the extracted text's for a document) and how the file was read: Cp1252 or Utf8, which a
/// document's text always is.
struct LoadedText {
    std::string text;
    std::uintmax_t size = 0;
    Encoding encoding = Encoding::Cp1252;
};

/// The text of the file at path, or of standard input when path is standardInputName.
/// The content tells the format: a zip container (OpenDocument text, Word document or EPUB
/// book, by its mimetype part or its content types), a PDF header, an HTML document; the
/// name's extension only settles what the content leaves open (a page that starts with a
/// tag but shows no <html>, a damaged document that no longer looks like one). Plain text
/// is decoded as encoding says; a document's text comes as UTF-8 and is decoded as such, the
/// characters outside the code page handled as in UTF-8 text (an HTML page without a charset
/// is read as encoding says). Throws FileError, a document's failures among them.
LoadedText loadTextFile(const std::filesystem::path& path, Encoding encoding = Encoding::Auto);

} // namespace quorvelle
