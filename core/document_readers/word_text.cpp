// WordprocessingML, read as a stream.
#include "core/document_readers/word_text.h"

#include "core/document_readers/document_text_builder.h"
#include "core/document_readers/markup_parser.h"
#include "core/documents/document_error.h"

#include <algorithm>
#include <array>
#include <map>
#include <vector>

namespace quorvelle {
namespace {

using Reason = FileError::Reason;

// The content types of a word processing document's main part: a document, a template, and
// both with macros.
constexpr std::array<std::string_view, 4> mainContentTypes = {
    "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml",
    "application/vnd.openxmlformats-officedocument.wordprocessingml.template.main+xml",
    "application/vnd.ms-word.document.macroEnabled.main+xml",
    "application/vnd.ms-word.template.macroEnabledTemplate.main+xml",
};

// Subtrees whose text the reader does not see: moved-away text and the fallback copy of a
// drawing (its text is already in the chosen alternative).
constexpr std::array<std::string_view, 3> hiddenElements = {"moveFrom", "Fallback", "instrText"};

class ContentTypesHandler final : public MarkupHandler {
public:
    void startElement(std::string_view name, const MarkupAttributes& attributes) override
    {
        const std::string_view type = attributes.value("ContentType");
        if (name == "Override" && !mainPart
            && std::find(mainContentTypes.begin(), mainContentTypes.end(), type) != mainContentTypes.end()) {
            std::string_view part = attributes.value("PartName");
            if (part.starts_with('/'))
                part.remove_prefix(1);
            mainPart = std::string(part);
        }
    }
    void endElement(std::string_view) override { }
    void text(std::string_view) override { }

    std::optional<std::string> mainPart;
};

// The text of one story: the document's body, or the notes, each note under its number.
class WordTextHandler final : public MarkupHandler {
public:
    WordTextHandler(const std::map<std::string, std::string>* footnotes,
                    const std::map<std::string, std::string>* endnotes)
        : footnotes_(footnotes)
        , endnotes_(endnotes)
    {
    }

    void startElement(std::string_view name, const MarkupAttributes& attributes) override
    {
        if (hiddenDepth_ || std::find(hiddenElements.begin(), hiddenElements.end(), name) != hiddenElements.end()) {
            ++hiddenDepth_;
            return;
        }
        const bool inRun = parent() == "r";
        elements_.emplace_back(name);
        if (name == "t")
            inText_ = true;
        else if (name == "footnote" || name == "endnote")
            noteNumber_ = attributes.value("id");
        else if (name == "footnoteReference")
            pendingFootnotes_ += noteText(footnotes_, attributes.value("id"));
        else if (name == "endnoteReference")
            endnotesText_ += noteText(endnotes_, attributes.value("id"));
        else if (inRun && (name == "tab" || name == "ptab"))
            text_.appendLiteral("\t");
        else if (inRun && (name == "br" || name == "cr"))
            text_.endLine();
        else if (inRun && name == "noBreakHyphen")
            text_.appendLiteral("-");
    }

    void endElement(std::string_view name) override
    {
        if (hiddenDepth_) {
            --hiddenDepth_;
            return;
        }
        if (!elements_.empty())
            elements_.pop_back();
        if (name == "t") {
            inText_ = false;
        } else if (name == "p") {
            text_.endLine();
            text_.appendLiteral(pendingFootnotes_);
            pendingFootnotes_.clear();
        } else if (name == "footnote" || name == "endnote") {
            notes[std::string(noteNumber_)] = text_.take();
        }
    }

    void text(std::string_view utf8) override
    {
        if (inText_ && !hiddenDepth_)
            text_.appendLiteral(utf8);
    }

    /// The body's text, its endnotes after it.
    std::string take()
    {
        text_.appendLiteral(endnotesText_);
        return text_.take();
    }

    /// The notes of a notes part, by number.
    std::map<std::string, std::string> notes;

private:
    std::string_view parent() const { return elements_.empty() ? std::string_view() : elements_.back(); }

    // The text of the note of that number, or nothing when there is no such note.
    static std::string_view noteText(const std::map<std::string, std::string>* notes, std::string_view number)
    {
        if (!notes)
            return {};
        const auto note = notes->find(std::string(number));
        return note == notes->end() ? std::string_view() : std::string_view(note->second);
    }

    const std::map<std::string, std::string>* footnotes_;
    const std::map<std::string, std::string>* endnotes_;
    DocumentTextBuilder text_;
    std::vector<std::string> elements_;
    std::string pendingFootnotes_;
    std::string endnotesText_;
    std::string noteNumber_;
    int hiddenDepth_ = 0;
    bool inText_ = false;
};

// The notes of one notes part ("word/footnotes.xml"), by number; none when it is missing.
std::map<std::string, std::string> readNotes(ZipArchive& archive, const std::string& part)
{
    const std::optional<std::string> bytes = archive.read(part);
    if (!bytes)
        return {};
    WordTextHandler handler(nullptr, nullptr);
    parseXml(*bytes, handler, formatName::word);
    return std::move(handler.notes);
}

// The folder of the main part, where Word keeps its notes beside it.
std::string folderOf(const std::string& part)
{
    const std::size_t slash = part.rfind('/');
    return slash == std::string::npos ? std::string() : part.substr(0, slash + 1);
}

} // namespace

std::optional<std::string> wordMainPart(ZipArchive& archive)
{
    const std::optional<std::string> contentTypes = archive.read("[Content_Types].xml");
    if (!contentTypes)
        return std::nullopt;
    ContentTypesHandler handler;
    parseXml(*contentTypes, handler, formatName::word);
    return handler.mainPart;
}

std::string wordDocumentText(ZipArchive& archive, const std::string& mainPart)
{
    const std::map<std::string, std::string> footnotes = readNotes(archive, folderOf(mainPart) + "footnotes.xml");
    const std::map<std::string, std::string> endnotes = readNotes(archive, folderOf(mainPart) + "endnotes.xml");
    const std::optional<std::string> body = archive.read(mainPart);
    if (!body)
        throw DocumentError(Reason::DamagedDocument, formatName::word);
    WordTextHandler handler(&footnotes, &endnotes);
    parseXml(*body, handler, formatName::word);
    return handler.take();
}

std::string wordDocumentText(std::string_view bytes)
{
    ZipArchive archive(bytes, formatName::word);
    const std::optional<std::string> mainPart = wordMainPart(archive);
    if (!mainPart)
        throw DocumentError(Reason::DamagedDocument, formatName::word);
    return wordDocumentText(archive, *mainPart);
}

} // namespace quorvelle
