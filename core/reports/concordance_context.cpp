// Cutting an occurrence's contexts at whole forms, by characters or by forms.
#include "core/reports/concordance_context.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace quorvelle {
namespace {

// The text with each of its line ends (CR LF counted as one) as lineEndMark.
std::string withLineEndMarks(std::string_view text)
{
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t index = 0; index < text.size(); ++index) {
        const char c = text[index];
        if (c == '\r' && index + 1 < text.size() && text[index + 1] == '\n')
            continue; // the LF that follows is the mark
        shown += c == '\r' || c == '\n' ? lineEndMark : c;
    }
    return shown;
}

// Whether c belongs to a word as a reader sees one: a letter, a digit, or an apostrophe or
// hyphen, which join forms into words as "d'orthographe" or "peut-être". A context never ends
// between two of them.
bool isWordCharacter(char c, const Alphabet& alphabet)
{
    return alphabet.isLetter(c) || (c >= '0' && c <= '9') || c == '\'' || c == '\x92' || c == '-';
}

// The length of a context that reads the characters from first to last, away from its
// occurrence (towards the text's start for a left context, its end for a right one). In forms:
// to the end of the word of the amount-th form, or to last when there are fewer; in
// characters: amount at most, a word they would cut left out.
template <class Iterator>
std::size_t contextLength(Iterator first, Iterator last, ConcordanceContext context, const Alphabet& alphabet)
{
    const auto isLetter = [&alphabet](char c) { return alphabet.isLetter(c); };
    const auto isInWord = [&alphabet](char c) { return isWordCharacter(c, alphabet); };
    if (context.unit == ContextUnit::Forms) {
        Iterator position = first;
        for (std::size_t forms = 0; forms < context.amount && position != last; ++forms)
            position = std::find_if_not(std::find_if(position, last, isLetter), last, isLetter);
        return static_cast<std::size_t>(std::find_if_not(position, last, isInWord) - first);
    }
    const auto available = static_cast<std::size_t>(last - first);
    std::size_t length = std::min(available, context.amount);
    const auto at = [first](std::size_t index) { return first[static_cast<std::ptrdiff_t>(index)]; };
    while (length > 0 && length < available && isInWord(at(length - 1)) && isInWord(at(length)))
        --length;
    return length;
}

void cutContextsOf(ConcordanceLine& occurrence, std::string_view text, ConcordanceContext context,
                   const Alphabet& alphabet)
{
    const auto start = text.begin() + static_cast<std::ptrdiff_t>(occurrence.start);
    const std::size_t left = contextLength(std::make_reverse_iterator(start), text.rend(), context, alphabet);
    occurrence.left = withLineEndMarks(text.substr(occurrence.start - left, left));
    const auto end = text.begin() + static_cast<std::ptrdiff_t>(occurrence.end);
    occurrence.right = withLineEndMarks(text.substr(occurrence.end, contextLength(end, text.end(), context, alphabet)));
}

} // namespace

ConcordanceLine occurrenceLine(std::string_view text, std::size_t start, std::size_t end, std::int64_t line,
                               ConcordanceContext context, const Alphabet& alphabet)
{
    ConcordanceLine occurrence;
    occurrence.line = line;
    occurrence.form = withLineEndMarks(text.substr(start, end - start));
    occurrence.start = start;
    occurrence.end = end;
    cutContextsOf(occurrence, text, context, alphabet);
    return occurrence;
}

void cutContexts(std::span<ConcordanceLine> occurrences, std::string_view text, ConcordanceContext context,
                 LetterRule letters)
{
    const Alphabet& alphabet = Alphabet::of(letters);
    for (ConcordanceLine& occurrence : occurrences)
        cutContextsOf(occurrence, text, context, alphabet);
}

} // namespace quorvelle
