// OpenDocument's content.xml, read as a stream.
#include "core/document_readers/odf_text.h"

#include "core/document_readers/document_text_builder.h"
#include "core/document_readers/markup_parser.h"
#include "core/documents/document_error.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <vector>

namespace quorvelle {
namespace {

using Reason = FileError::Reason;

// Subtrees a reader does not see in the text: comments, the record of changes (which holds
// deleted text), a note's number, the description of drawings.
constexpr std::array<std::string_view, 6> hiddenElements = {"annotation", "tracked-changes", "note-citation", "title",
                                                            "desc",       "sequence-decls"};

// The most spaces one text:s gives: enough for any layout, too few to fill memory.
constexpr std::size_t maxRepeatedSpaces = 10000;

class OdfTextHandler final : public MarkupHandler {
public:
    void startElement(std::string_view name, const MarkupAttributes& attributes) override
    {
        if (std::find(hiddenElements.begin(), hiddenElements.end(), name) != hiddenElements.end() || hiddenDepth_) {
            ++hiddenDepth_;
            return;
        }
        if (name == "p" || name == "h")
            ++paragraphDepth_;
        else if (name == "note")
            notes_.emplace_back();
        else if (name == "s")
            current().appendLiteral(std::string(repeatCount(attributes.value("c")), ' '));
        else if (name == "tab")
            current().appendLiteral("\t");
        else if (name == "line-break")
            current().endLine();
    }

    void endElement(std::string_view name) override
    {
        if (hiddenDepth_) {
            --hiddenDepth_;
            return;
        }
        if (name == "p" || name == "h") {
            current().endLine();
            paragraphDepth_ = std::max(0, paragraphDepth_ - 1);
            if (paragraphDepth_ == 0)
                appendFinishedNotes();
        } else if (name == "note") {
            finishedNotes_.push_back(notes_.back().take());
            notes_.pop_back();
        }
    }

    void text(std::string_view utf8) override
    {
        if (!hiddenDepth_ && paragraphDepth_ > 0)
            current().appendCollapsed(utf8);
    }

    std::string take()
    {
        appendFinishedNotes();
        return body_.take();
    }

private:
    // Where text goes: the innermost note being read, else the body.
    DocumentTextBuilder& current() { return notes_.empty() ? body_ : notes_.back(); }

    void appendFinishedNotes()
    {
        DocumentTextBuilder& target = current();
        for (const std::string& note : finishedNotes_)
            target.appendLiteral(note);
        finishedNotes_.clear();
    }

    static std::size_t repeatCount(std::string_view value)
    {
        std::size_t count = 1;
        if (!value.empty())
            std::from_chars(value.data(), value.data() + value.size(), count);
        return std::min(count, maxRepeatedSpaces);
    }

    DocumentTextBuilder body_;
    std::vector<DocumentTextBuilder> notes_;
    std::vector<std::string> finishedNotes_;
    int hiddenDepth_ = 0;
    int paragraphDepth_ = 0;
};

// Notes which parts the manifest says are encrypted: LibreOffice's password protection
// encrypts content.xml and lists how in its manifest entry.
class ManifestHandler final : public MarkupHandler {
public:
    void startElement(std::string_view name, const MarkupAttributes& attributes) override
    {
        if (name == "file-entry")
            inContent_ = attributes.value("full-path") == "content.xml";
        else if (name == "encryption-data" && inContent_)
            contentEncrypted = true;
    }
    void endElement(std::string_view name) override
    {
        if (name == "file-entry")
            inContent_ = false;
    }
    void text(std::string_view) override { }

    bool contentEncrypted = false;

private:
    bool inContent_ = false;
};

} // namespace

std::string openDocumentText(ZipArchive& archive)
{
    if (std::optional<std::string> manifest = archive.read("META-INF/manifest.xml")) {
        ManifestHandler handler;
        parseXml(*manifest, handler, formatName::openDocument);
        if (handler.contentEncrypted)
            throw DocumentError(Reason::ProtectedDocument, formatName::openDocument);
    }
    const std::optional<std::string> content = archive.read("content.xml");
    if (!content)
        throw DocumentError(Reason::DamagedDocument, formatName::openDocument);
    OdfTextHandler handler;
    parseXml(*content, handler, formatName::openDocument);
    return handler.take();
}

std::string openDocumentText(std::string_view bytes)
{
    ZipArchive archive(bytes, formatName::openDocument);
    return openDocumentText(archive);
}

} // namespace quorvelle
