// The signatures of the document formats the program reads.
#include "core/documents/document_format.h"

#include <algorithm>
#include <cctype>

namespace quorvelle {
namespace {

// Readers look for a PDF header, and for an HTML page's doctype, in the first kilobyte.
constexpr std::size_t signatureBytes = 1024;

} // namespace

bool looksLikeZip(std::string_view bytes)
{
    return bytes.starts_with("PK\x03\x04") || bytes.starts_with(std::string_view("PK\x05\x06", 4));
}

bool looksLikePdf(std::string_view bytes)
{
    return bytes.substr(0, signatureBytes).find("%PDF-") != std::string_view::npos;
}

bool startsWithTag(std::string_view bytes)
{
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    const std::size_t start = bytes.find_first_not_of(" \t\r\n");
    return start != std::string_view::npos && bytes[start] == '<';
}

bool looksLikeHtml(std::string_view bytes)
{
    if (!startsWithTag(bytes))
        return false;
    const std::string top = asciiLowerCase(bytes.substr(0, signatureBytes));
    return top.find("<!doctype html") != std::string::npos || top.find("<html") != std::string::npos;
}

std::string asciiLowerCase(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
    return lower;
}

} // namespace quorvelle
