// The text of a document in a zip container, whichever format its content tells.
#pragma once

#include <string>
#include <string_view>

namespace quorvelle {

/// The UTF-8 text of an OpenDocument text or an EPUB book (told by the archive's mimetype part)
/// or of a Word document (by its content types). formatHint, what the file's extension promises
/// or nullptr, names the format in the messages until the content tells it. Throws
/// DocumentError, NotADocument for an archive that is none of them.
std::string zipDocumentText(std::string_view bytes, const char* formatHint);

} // namespace quorvelle
