// The text of a PDF document.
#pragma once

#include <string>
#include <string_view>

namespace quorvelle {

/// The UTF-8 text of a PDF, page after page in reading order, one line end between pages,
/// without its running headers and footers and with the words its layout hyphenated at line
/// ends joined (see laidOutText).
/// Throws DocumentError: a damaged PDF, one that needs a password, one whose pages hold no
/// text (scanned pages: images only), one whose text outgrows the program's bound.
std::string pdfText(std::string_view bytes);

} // namespace quorvelle
