// The text of laid-out pages: running headers and footers left out, line-end hyphens read.
#pragma once

#include <string>
#include <vector>

namespace quorvelle {

/// One line of a laid-out page: its UTF-8 text and its vertical extent, which grows down the
/// page.
struct LaidOutLine {
    std::string text;
    double top = 0;
    double bottom = 0;
};

/// A page's lines in reading order.
using LaidOutPage = std::vector<LaidOutLine>;

/// The UTF-8 text of the pages in order, each line followed by a line end ("\n"), so that one
/// line end separates the pages. Two things of the layout are undone:
/// - a running header or footer, a line repeated at the top or at the bottom of most pages
///   (digits ignored: "Page 3" and "Page 4" match), is left out;
/// - a word the layout hyphenated at a line end is joined: a soft hyphen (U+00AD) there, or a
///   hard hyphen whose joined word the document writes elsewhere while it does not write both
///   halves as words of their own. Any other hyphen at a line end is kept, as in "grand-oncle".
std::string laidOutText(const std::vector<LaidOutPage>& pages);

} // namespace quorvelle
