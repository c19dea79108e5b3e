// poppler's words of each page, in reading order, gathered into lines.
#include "core/document_readers/pdf_text.h"

#include "core/document_readers/document_text_builder.h"
#include "core/document_readers/laid_out_text.h"
#include "core/documents/document_error.h"

#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-page.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <mutex>
#include <vector>

namespace quorvelle {
namespace {

using Reason = FileError::Reason;

// poppler tells its complaints about a damaged file on the terminal unless asked not to.
void ignorePopplerMessage(const std::string&, void*)
{
}

void silencePoppler()
{
    static std::once_flag once;
    std::call_once(once, [] { poppler::set_debug_error_function(ignorePopplerMessage, nullptr); });
}

// A word's box turned so that its line runs along growing x and the lines of its block follow
// down growing y, whichever way poppler found the text rotated (a quarter turn at a time).
struct OrientedBox {
    double start, end, top, bottom;
};

OrientedBox orientedBox(const poppler::text_box& word)
{
    const poppler::rectf box = word.bbox();
    switch (word.rotation()) {
    case 1:
        return {box.top(), box.bottom(), -box.right(), -box.left()};
    case 2:
        return {-box.right(), -box.left(), -box.bottom(), -box.top()};
    case 3:
        return {-box.bottom(), -box.top(), box.left(), box.right()};
    default:
        return {box.left(), box.right(), box.top(), box.bottom()};
    }
}

// Two words without a space between them are parts of one line only when they nearly touch,
// within this share of the line's height: farther apart, they stand in separate blocks of one
// row, such as a header and its page number.
constexpr double adjacentWordGap = 0.5;

// The page's lines in poppler's reading order. A word continues the line when it comes after
// the previous word and its middle lies within the line's height; poppler tells whether a
// space separates it from the previous word.
LaidOutPage pageLines(const poppler::page& page)
{
    LaidOutPage lines;
    OrientedBox previous{};
    bool spaceAfterPrevious = false;
    for (const poppler::text_box& word : page.text_list()) {
        const poppler::byte_array utf8 = word.text().to_utf8();
        if (utf8.empty())
            continue;
        const OrientedBox box = orientedBox(word);
        const double middle = (box.top + box.bottom) / 2;
        const bool continues = !lines.empty() && box.start > previous.start && middle > lines.back().top
            && middle < lines.back().bottom
            && (spaceAfterPrevious || box.start - previous.end < adjacentWordGap * (box.bottom - box.top));
        if (continues) {
            LaidOutLine& line = lines.back();
            if (spaceAfterPrevious)
                line.text += ' ';
            line.top = std::min(line.top, box.top);
            line.bottom = std::max(line.bottom, box.bottom);
        } else {
            lines.push_back({{}, box.top, box.bottom});
        }
        lines.back().text.append(utf8.data(), utf8.size());
        previous = box;
        spaceAfterPrevious = word.has_space_after();
    }
    return lines;
}

} // namespace

std::string pdfText(std::string_view bytes)
{
    silencePoppler();
    if (bytes.size() > static_cast<std::size_t>(INT_MAX))
        throw DocumentError(Reason::DocumentTooLarge, formatName::pdf);
    const std::unique_ptr<poppler::document> document(
        poppler::document::load_from_raw_data(bytes.data(), static_cast<int>(bytes.size())));
    if (!document)
        throw DocumentError(Reason::DamagedDocument, formatName::pdf);
    if (document->is_locked())
        throw DocumentError(Reason::ProtectedDocument, formatName::pdf);

    const int pageCount = document->pages();
    if (pageCount <= 0)
        throw DocumentError(Reason::DamagedDocument, formatName::pdf);
    // Running lines are told only once every page is read, so the pages are kept until then.
    // Their size is bounded as the text will be, each line ended by CR LF.
    std::vector<LaidOutPage> pages;
    std::size_t size = 0;
    for (int index = 0; index < pageCount; ++index) {
        const std::unique_ptr<poppler::page> page(document->create_page(index));
        pages.push_back(page ? pageLines(*page) : LaidOutPage());
        for (const LaidOutLine& line : pages.back())
            size += line.text.size() + 2;
        if (size > maxTextFileBytes)
            throw DocumentError(Reason::DocumentTooLarge, formatName::pdf);
    }
    DocumentTextBuilder text;
    text.appendLiteral(laidOutText(pages));
    if (text.isBlank())
        throw DocumentError(Reason::ImagesOnlyDocument, formatName::pdf);
    return text.take();
}

} // namespace quorvelle
