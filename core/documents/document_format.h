// Telling a document's format by its first bytes, without reading it.
#pragma once

#include <string>
#include <string_view>

namespace quorvelle {

/// True when bytes start as a zip archive does.
bool looksLikeZip(std::string_view bytes);

/// True when bytes hold a PDF header near their start, where readers look for it.
bool looksLikePdf(std::string_view bytes);

/// True when the first thing after a byte order mark and white space is a tag.
bool startsWithTag(std::string_view bytes);

/// True when bytes look like an HTML document: they start with a tag, and a doctype or an
/// <html> tag comes near the top.
bool looksLikeHtml(std::string_view bytes);

/// text with its ASCII letters in lower case, as markup names and extensions are compared.
std::string asciiLowerCase(std::string_view text);

} // namespace quorvelle
