// Putting marker lines at line starts, a part's size apart.
#include "bench/marked_corpus.h"

namespace quorvelle::bench {
namespace {

constexpr std::size_t authors = 5;

} // namespace

std::string markedInParts(std::string_view text, std::size_t parts)
{
    std::string marked;
    marked.reserve(text.size() + parts * 32);
    const std::size_t partSize = text.size() / parts + 1;
    std::size_t from = 0;
    for (std::size_t part = 0; part < parts && from < text.size(); ++part) {
        marked += "**** *auteur_" + std::to_string(part % authors) + " *partie_" + std::to_string(part) + "\r\n";
        // The part ends at the line break after its size, or with the text.
        const std::size_t lineBreak = text.find('\n', from + partSize);
        const std::size_t to = part + 1 == parts || lineBreak == std::string_view::npos ? text.size() : lineBreak + 1;
        marked.append(text.substr(from, to - from));
        from = to;
    }
    return marked;
}

} // namespace quorvelle::bench
