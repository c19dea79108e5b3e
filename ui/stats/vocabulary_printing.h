// Drawing the printed vocabulary listing on a printer.
#pragma once

#include "core/presentation/print_layout.h"

#include <vector>

class QPrinter;

namespace quorvelle::ui {

/// Prints pages (texts in UTF-8) on printer, already set up: the header in Verdana 12 point
/// bold, the rule and the rows in Verdana 9 point (or the closest sans-serif font installed),
/// each line's second text 5000 twips from the left edge of the printable area. Returns
/// whether the document was printed whole.
bool printListing(QPrinter& printer, const std::vector<PrintPage>& pages);

} // namespace quorvelle::ui
