// The text of a document as a reader sees it, assembled piece by piece.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvelle {

/// Builds a document's text in UTF-8, with CR LF line ends like the plain texts the program
/// reads. Markup formats give their text in two ways: as it stands (Word's runs, the spaces
/// and tabs a format writes as elements, a PDF's lines), or as markup text whose runs of white
/// space count as one space and vanish at a line's start and end (HTML, OpenDocument).
class DocumentTextBuilder {
public:
    /// Adds text as it stands; line ends of any convention become CR LF.
    void appendLiteral(std::string_view text);
    /// Adds markup text, its white space collapsed.
    void appendCollapsed(std::string_view text);
    /// Ends the line, even an empty one: a line break, a paragraph.
    void endLine();
    /// Ends the line unless nothing was written on it: the end of an HTML block, which may
    /// close several at once.
    void endBlock();

    /// The bytes written so far.
    std::size_t size() const { return text_.size(); }
    /// True when no letter, digit or sign was written, only white space.
    bool isBlank() const;
    /// The text, leaving the builder empty.
    std::string take();

private:
    void flushPendingSpace();

    std::string text_;
    bool atLineStart_ = true;
    bool pendingSpace_ = false;
};

} // namespace quorvelle
